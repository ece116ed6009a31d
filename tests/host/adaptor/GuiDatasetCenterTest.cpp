// The adaptor's DataFolder-service holder: nothing until the module installs
// its factory, the module's object while it is installed, nothing after detach.
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "support/MockGuiDatasetCenter.h"

#include <gtest/gtest.h>

#include <type_traits>

using ::testing::_;
using ::testing::Return;

static_assert(!std::is_abstract_v<MockGuiDatasetCenter>,
              "a test double must be able to implement every DataFolder-service operation");

namespace {
MockGuiDatasetCenter* g_service = nullptr;
int g_factoryCalls = 0;

GuiDatasetCenter* CountingFactory()
{
    ++g_factoryCalls;
    return g_service;
}
} // namespace

TEST(GuiDatasetCenterHolder, FollowsTheInstalledFactory)
{
    GuiDatasetCenter::ResetFactory();
    EXPECT_EQ(GuiDatasetCenter::Instance(), nullptr);

    MockGuiDatasetCenter service;
    g_service = &service;
    g_factoryCalls = 0;
    GuiDatasetCenter::SetFactory(&CountingFactory);
    EXPECT_EQ(GuiDatasetCenter::Instance(), &service);
    EXPECT_EQ(GuiDatasetCenter::Instance(), &service);
    EXPECT_EQ(g_factoryCalls, 2);   // asked on every call, so a module singleton made lazily works

    GuiDatasetCenter::ResetFactory();
    EXPECT_EQ(GuiDatasetCenter::Instance(), nullptr);
    EXPECT_EQ(g_factoryCalls, 2);
    g_service = nullptr;
}

TEST(GuiDatasetCenterHolder, CallsThroughTheInterfaceReachTheModule)
{
    MockGuiDatasetCenter service;
    ScopedMockGuiDatasetCenter scope(service);
    EXPECT_CALL(service, IsLocked2("/p/DataFolders/a/", _, false)).WillOnce(Return(true));
    EXPECT_CALL(service, DisplayView(::testing::Field(&DatafolderDataDisplayContent::tabCaption,
                                                      "ARP Table")))
        .WillOnce(Return(1));

    bool cancel = false;
    GuiDatasetCenter* center = GuiDatasetCenter::Instance();
    ASSERT_NE(center, nullptr);
    EXPECT_TRUE(center->IsLocked2("/p/DataFolders/a/", cancel, false));
    EXPECT_EQ(center->DisplayView(DatafolderDataDisplayContent("a", "ARP Table")), 1);
}

TEST(GuiDatasetCenterHolder, BaseOperationsKeepTheirAnswers)
{
    MockGuiDatasetCenter service;
    GuiDatasetCenter& center = service;
    std::string name = "keep";
    EXPECT_FALSE(center.GuiDatasetCenter::SaveasDataset(name, nullptr));
    EXPECT_EQ(name, "keep");
    EXPECT_TRUE(center.OnDestroy());
    EXPECT_FALSE(center.GetDllKey().empty());
    EXPECT_FALSE(center.GetDefDllName().empty());
    EXPECT_EQ(center.GetAdaptorWord(), 0);
}

// The adaptor's DataFolder-service holder: nothing until the module installs
// its factory, the module's object while it is installed, nothing after detach.
#include "host/adaptor/GuiDatasetCenter.h"
#include "support/MockGuiDatasetCenter.h"

#include <gtest/gtest.h>

#include <type_traits>

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

TEST(GuiDatasetCenterHolder, BaseOperationsKeepTheirAnswers)
{
    MockGuiDatasetCenter service;
    GuiDatasetCenter& center = service;
    std::string name = "keep";
    EXPECT_FALSE(center.GuiDatasetCenter::SaveasDataset(name, nullptr));
    EXPECT_EQ(name, "keep");
    EXPECT_TRUE(center.OnDestroy());
}

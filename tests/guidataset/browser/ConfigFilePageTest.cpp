// The "Configuration File" page: its menu, and the requests its commands send
// to the host's configuration viewer, the workspace update and device groups.
#include "BrowserTestSupport.h"

#include "guidataset/browser/BrowserCommands.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDeviceType.h"
#include "support/ScriptedPrompter.h"

#include <gmock/gmock.h>

#include <filesystem>

using browsertest::PageTest;
using browsertest::RecordingHost;
using browsertest::ScriptedMenus;
using platform::BoxAnswer;
using testing::ElementsAre;
using twtest::ScriptedPrompter;

namespace {

class ConfigFilePage : public PageTest {
protected:
    ConfigFilePage()
    {
        Put("LiveConfig/core-r1.config", "!\nversion 15.2\nhostname core-r1\n!\n");
        Put("LiveConfig/dist-sw1.config", "hostname dist-sw1\n");
        Put("LiveConfig/lab-x.config", "hostname \"lab x\"\n");
        GlobalNetworkInfo* model = GetCurrentGNI();
        EXPECT_NE(model, nullptr);
        EXPECT_EQ(model->AddDevice("core-r1", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::Ok);
        EXPECT_EQ(model->AddDevice("dist-sw1", TW_DEVICE_SWITCH), GlobalNetworkInfo::Result::Ok);
        page = Fill(16);
    }
    std::string Config(const std::string& host) const { return dataFolder + "LiveConfig/" + host + ".config"; }

    RecordingHost host;
    ScriptedMenus menus;
    CSubDatasetBase* page = nullptr;
};

} // namespace

TEST_F(ConfigFilePage, MenuOffersWorkspaceUpdatesOnlyWithAProject)
{
    Select({"core-r1", "dist-sw1"});
    page->ShowContextMenu({1, 1}, 16, false);
    Select({"core-r1"});
    page->ShowContextMenu({1, 1}, 16, true);
    Select({});
    page->ShowContextMenu({1, 1}, 16, false);
    CBaseline::Close();
    page->ShowContextMenu({1, 1}, 16, false);
    EXPECT_THAT(menus.shown,
                ElementsAre("View(off)|Compare(off)|Device Group>[Add to ...|Create ...]|-|Refresh|-|"
                            "Update to workspace|Delete",
                            "View|Compare|Device Group>[Add to ...|Create ...]|-|Refresh|-|Update to workspace|"
                            "Delete(off)",
                            "View(off)|Compare(off)|Device Group>[Add to ...(off)|Create ...]|-|Refresh|-|"
                            "Update to workspace(off)|Delete(off)",
                            "View(off)|Compare(off)|-|Refresh|-|Delete(off)"));
    // One row updates one device (14), several rows several (15).
    EXPECT_EQ(menus.ids[0], "8,9,16,17,12,15,11");
    EXPECT_EQ(menus.ids[1], "8,9,16,17,12,14,11");
}

TEST_F(ConfigFilePage, ViewAndCompareReachTheConfigurationViewer)
{
    Select({"dist-sw1"});
    ASSERT_TRUE(temp.WriteFile("campus/Config/core-r1.config", "hostname core-r1\n"));
    menus.Choose(browsercmd::kView).Choose(browsercmd::kCompare);
    page->ShowContextMenu({1, 1}, 16, false);
    page->ShowContextMenu({1, 1}, 16, false);
    // A project without configurations has nothing to compare against.
    ASSERT_TRUE(std::filesystem::remove(temp / "campus/Config/core-r1.config"));
    ASSERT_TRUE(temp.MakeDir("campus/Config/old.config"));
    page->OnCommand(browsercmd::kCompare, 16);
    CBaseline::Close();
    page->OnCommand(browsercmd::kCompare, 16);

    ASSERT_EQ(host.calls.size(), 4u);
    EXPECT_EQ(host.calls[0].receiver, 0);
    EXPECT_EQ(host.calls[0].message, 1087u);
    EXPECT_EQ(host.calls[0].path, Config("dist-sw1"));
    EXPECT_TRUE(host.calls[0].view.readOnly);
    EXPECT_TRUE(host.calls[0].view.activate);
    EXPECT_EQ(host.calls[0].view.line, 0);
    EXPECT_FALSE(host.calls[0].view.compare);
    EXPECT_EQ(host.calls[1].message, 1089u);
    EXPECT_EQ(host.calls[1].path, Config("dist-sw1"));
    EXPECT_EQ(host.calls[1].network, selection.network);
    EXPECT_NE(host.calls[1].network, nullptr);
    // Without configurations, and without a project, no network goes along.
    for (std::size_t call : {2u, 3u}) {
        EXPECT_EQ(host.calls[call].message, 1089u);
        EXPECT_EQ(host.calls[call].network, nullptr);
    }
}

TEST_F(ConfigFilePage, UpdateOneDeviceSendsItsTypeOrNamesTheMissingDevice)
{
    Select({"core-r1"});
    menus.Choose(browsercmd::kUpdateOne);
    page->ShowContextMenu({1, 1}, 16, false);
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(host.calls[0].message, 1092u);
    EXPECT_EQ(host.calls[0].update.kind, 3);
    EXPECT_EQ(host.calls[0].update.deviceName, "core-r1");
    EXPECT_EQ(host.calls[0].update.deviceType, TW_DEVICE_ROUTER);
    EXPECT_EQ(host.calls[0].update.path, Config("core-r1"));

    Select({"lab-x"});
    ScriptedPrompter prompter;
    prompter.ExpectMessage("The device(lab x) does not exist.", BoxAnswer::Ok, twtest::kAppOkBox);
    page->OnCommand(browsercmd::kUpdateOne, 16);
    EXPECT_EQ(host.calls.size(), 1u);
}

TEST_F(ConfigFilePage, UpdateSeveralSkipsMissingDevicesAndTellsTheOpenerFirst)
{
    struct Notice {
        static void Told(void* argument, int code) { static_cast<std::vector<int>*>(argument)->push_back(code); }
    };
    std::vector<int> told;
    selection.notify = &Notice::Told;
    selection.callbackArgument = &told;
    Select({"core-r1", "dist-sw1", "lab-x"});
    ScriptedPrompter prompter;
    prompter.ExpectMessage("The device(lab-x.config) does not exist.", BoxAnswer::Ok, twtest::kAppOkBox);
    page->OnCommand(browsercmd::kUpdateSeveral, 16);

    EXPECT_THAT(told, ElementsAre(0));
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(host.calls[0].message, 1121u);
    EXPECT_EQ(host.calls[0].folder, dataFolder + "LiveConfig/");
    ASSERT_EQ(host.calls[0].devices.size(), 2u);
    std::set<std::string> names{host.calls[0].devices[0].name, host.calls[0].devices[1].name};
    EXPECT_EQ(names, (std::set<std::string>{"core-r1", "dist-sw1"}));
}

TEST_F(ConfigFilePage, DeviceGroupTakesEveryRowWhenNoneIsSelected)
{
    Select({});
    page->OnCommand(browsercmd::kDeviceGroupCreate, 16);
    ASSERT_EQ(host.groups.size(), 1u);
    EXPECT_TRUE(host.groups[0].create);
    EXPECT_EQ(rows.GetSelectedCount(), 3);
    std::map<std::string, int> types;
    for (const auto& device : host.groups[0].devices)
        types[device.name] = device.type;
    // "lab x" goes by its first word; a device the model lacks has the unknown type.
    EXPECT_EQ(types, (std::map<std::string, int>{{"core-r1", TW_DEVICE_ROUTER}, {"dist-sw1", TW_DEVICE_SWITCH},
                                                 {"lab", 1021}}));

    Select({"dist-sw1"});
    page->OnCommand(browsercmd::kDeviceGroupAdd, 16);
    ASSERT_EQ(host.groups.size(), 2u);
    EXPECT_FALSE(host.groups[1].create);
    ASSERT_EQ(host.groups[1].devices.size(), 1u);
    EXPECT_EQ(host.groups[1].devices[0].name, "dist-sw1");
}

// The table pages: rows from table file names (and from names that are none),
// the viewers and compares each kind reaches, and rename and save-as through
// the table-file dialog, checked on the files and on the host's requests.
#include "BrowserTestSupport.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/CSubDatasetXTable.h"
#include "host/guiutil/CDovrelRtbFileRenameDlg.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDeviceType.h"
#include "host/util/CTWRTPath.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

#include <QDialog>

#include <gmock/gmock.h>

using browsertest::PageTest;
using browsertest::RecordingHost;
using browsertest::ScriptedMenus;
using platform::BoxAnswer;
using testing::ElementsAre;
using testing::UnorderedElementsAre;
using twtest::ModalDriver;
using twtest::ScriptedPrompter;

namespace {

using TablePage = PageTest;

// A step that types each name into the dialog's table name and presses OK,
// as a user does while the dialog refuses a name and stays open.
ModalDriver::Step TypeNames(std::vector<std::string> names, std::string* shownName = nullptr)
{
    return [names, shownName](QDialog& dialog) {
        if (shownName)
            *shownName = ModalDriver::Text(dialog, CDovrelRtbFileRenameDlg::kIdcTableName);
        for (const std::string& name : names) {
            ModalDriver::FillText(dialog, CDovrelRtbFileRenameDlg::kIdcTableName, name);
            ModalDriver::Click(dialog, CDovrelRtbFileRenameDlg::kIdOk);
            if (dialog.result() == QDialog::Accepted)
                break;
        }
        return dialog.result();
    };
}

} // namespace

TEST_F(TablePage, RowsShowHostQualifierNameAndTimeOfEveryTable)
{
    Put("LiveArpTable/core1.oat", "x", 1700000000);
    Put("LiveArpTable/core1$backup$vrfA.oat");
    Put("LiveArpTable/edge%242$vrf%20B.oat");
    Put("LiveArpTable/a$b$c$d.oat");
    Put("LiveArpTable/r9.ort");
    ASSERT_NE(Fill(22), nullptr);
    EXPECT_EQ(rows.GetColumnHeading(1), "Name");
    EXPECT_EQ(rows.GetColumnWidth(0), 180);
    EXPECT_EQ(rows.GetColumnWidth(2), 128);
    EXPECT_THAT(Column(0), UnorderedElementsAre("core1", "core1 vrfA", "edge$2 vrf B", "a$b$c$d"));
    EXPECT_EQ(rows.GetItemText(RowOf("core1"), 1), "default-live");
    EXPECT_EQ(rows.GetItemText(RowOf("core1"), 2),
              platform::FormatLocalTime(1700000000LL * 1000000000LL, "%Y-%m-%d %H:%M"));
    EXPECT_EQ(rows.GetItemText(RowOf("core1 vrfA"), 1), "backup");
    // A name that is no table name still shows its file, and is counted.
    EXPECT_EQ(rows.GetItemText(RowOf("a$b$c$d"), 1), "");
    EXPECT_EQ(provider.GetPage(22)->GetFillNotes().unnamedFiles, 1);

    std::string name;
    CSubDatasetBase* page = provider.GetPage(22);
    page->GetRowFileName(name, RowOf("core1 vrfA"), false);
    EXPECT_EQ(name, "core1$backup$vrfA.oat");
    page->GetRowFileName(name, RowOf("a$b$c$d"), false);
    EXPECT_EQ(name, "a$b$c$d.oat");
    // Cells edited away from the file's name are turned into a name again.
    rows.SetItemText(RowOf("core1 vrfA"), 1, "after");
    page->GetRowFileName(name, RowOf("core1 vrfA"), false);
    EXPECT_EQ(name, CTWRTPath::GetRtbFileName("core1", "after", "vrfA", CTWRTPath::kArpTable));
}

TEST_F(TablePage, ViewAndCompareReachEachKindsViewer)
{
    Put("LiveRouteTable/core1.ort");
    Put("core1$default-simulation$.ort");
    Put("LiveArpTable/core1$backup$vrfA.oat");
    Put("LiveMacTable/sw1.omt");
    Put("LiveCdpTable/sw1.cdp");
    RecordingHost host;
    for (int id : {17, 18, 22, 23, 24}) {
        CSubDatasetBase* page = Fill(id);
        ASSERT_EQ(rows.GetItemCount(), 1) << id;
        rows.SetRowSelected(0, true);
        page->OnCommand(browsercmd::kView, id);
        page->OnCommand(browsercmd::kCompare, id);
    }
    EXPECT_THAT(host.routeTables,
                ElementsAre("mode:live", "open:" + dataFolder + "LiveRouteTable/core1.ort",
                            "compare:" + dataFolder + "LiveRouteTable/core1.ort", "mode:simulated",
                            "open:" + dataFolder + "core1$default-simulation$.ort",
                            "compare:" + dataFolder + "core1$default-simulation$.ort"));
    ASSERT_EQ(host.calls.size(), 6u);
    const std::vector<std::pair<unsigned, std::string>> expected = {
        {2945, "LiveArpTable/core1$backup$vrfA.oat"}, {2949, "LiveArpTable/core1$backup$vrfA.oat"},
        {2946, "LiveMacTable/sw1.omt"},               {2950, "LiveMacTable/sw1.omt"},
        {2948, "LiveCdpTable/sw1.cdp"},               {2952, "LiveCdpTable/sw1.cdp"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(host.calls[i].receiver, 11);
        EXPECT_EQ(host.calls[i].message, expected[i].first);
        EXPECT_EQ(host.calls[i].path, dataFolder + expected[i].second);
    }
    // The compare names the host without its qualifier, twice.
    EXPECT_EQ(host.calls[1].compare.hostName, "core1");
    EXPECT_EQ(host.calls[1].compare.otherHostName, "core1");
    EXPECT_EQ(host.calls[1].compare.options, 0);
    EXPECT_TRUE(host.calls[1].compare.columnMap.empty());
    EXPECT_FALSE(host.calls[1].compare.keyed);
}

TEST_F(TablePage, BuiltInTablesCannotBeRenamedButSavedAs)
{
    Put("LiveRouteTable/core1.ort");
    Put("LiveRouteTable/core1$before$.ort");
    ScriptedMenus menus;
    CSubDatasetBase* page = Fill(17);
    Select({});
    page->ShowContextMenu({1, 1}, 17, false);
    rows.SetRowSelected(RowOf("default-live", 1), true);
    page->ShowContextMenu({1, 1}, 17, false);
    Select({});
    rows.SetRowSelected(RowOf("before", 1), true);
    page->ShowContextMenu({1, 1}, 17, true);
    EXPECT_THAT(menus.shown,
                ElementsAre("View(off)|Compare(off)|Device Group>[Add to ...(off)|Create ...]|-|Refresh|-|"
                            "Rename(off)|Save as(off)|Delete(off)",
                            "View|Compare|Device Group>[Add to ...|Create ...]|-|Refresh|-|Save as|Delete",
                            "View|Compare|Device Group>[Add to ...|Create ...]|-|Refresh|-|Rename(off)|"
                            "Save as(off)|Delete(off)"));
}

TEST_F(TablePage, RenameMovesTheFileAndChangesOnlyTheNameCell)
{
    Put("LiveRouteTable/core1$before$vrfA.ort", "routes");
    Put("LiveRouteTable/core1.ort");
    RecordingHost host;
    ModalDriver driver;
    std::string shown;
    driver.Expect(TypeNames({"after change"}, &shown));
    CSubDatasetBase* page = Fill(17);
    Select({"core1 vrfA"});
    EXPECT_TRUE(page->OnCommand(browsercmd::kRename, 17));

    EXPECT_EQ(shown, "before");
    const std::string renamed = CTWRTPath::GetRtbFileName("core1", "after change", "vrfA", CTWRTPath::kRouteTable);
    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Audit/LiveRouteTable/" + renamed), "routes");
    EXPECT_FALSE(Exists("LiveRouteTable/core1$before$vrfA.ort"));
    EXPECT_EQ(rows.GetItemText(RowOf("core1 vrfA"), 1), "after change");
    EXPECT_EQ(rows.GetItemCount(), 2);
    EXPECT_EQ(page->GetSelectedFilePath(), dataFolder + "LiveRouteTable/" + renamed);
    EXPECT_THAT(host.routeTables, ElementsAre("renamed:" + dataFolder + "LiveRouteTable/core1$before$vrfA.ort -> " +
                                              dataFolder + "LiveRouteTable/" + renamed));
}

TEST_F(TablePage, SaveAsCopiesRefreshesAndSelectsTheNewTable)
{
    Put("LiveMacTable/sw1.omt", "macs");
    Put("LiveMacTable/sw1$nightly$.omt", "older");
    ModalDriver driver;
    ScriptedPrompter prompter;
    CSubDatasetBase* page = Fill(23);
    rows.SetRowSelected(RowOf("default-live", 1), true);

    // The built-in names stay the device's own; an existing table is kept unless the user says yes.
    driver.Expect(TypeNames({"default-live", "nightly", "  weekly "}));
    prompter.ExpectMessage("'default-live' and 'default-simulation' name the devices' own tables; please choose "
                           "another name.",
                           BoxAnswer::Ok, twtest::kAppOkBox);
    prompter.ExpectMessage("The table 'nightly' of sw1 already exists.\nDo you want to replace it?", BoxAnswer::No,
                           twtest::kQuestionBox);
    page->OnCommand(browsercmd::kSaveAs, 23);

    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Audit/LiveMacTable/sw1$nightly$.omt"), "older");
    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Audit/LiveMacTable/sw1$weekly$.omt"), "macs");
    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Audit/LiveMacTable/sw1.omt"), "macs");
    EXPECT_THAT(Column(1), UnorderedElementsAre("default-live", "nightly", "weekly"));
    ASSERT_EQ(rows.GetSelectedCount(), 1);
    EXPECT_EQ(rows.GetItemText(rows.GetFirstSelected(), 1), "weekly");
}

TEST_F(TablePage, CancelledDialogChangesNothing)
{
    Put("LiveCdpTable/sw1$x$.cdp", "cdp");
    ModalDriver driver;
    driver.Expect(ModalDriver::Reject());
    CSubDatasetBase* page = Fill(24);
    Select({"sw1"});
    page->OnCommand(browsercmd::kRename, 24);
    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Audit/LiveCdpTable/sw1$x$.cdp"), "cdp");
    EXPECT_EQ(rows.GetItemText(0, 1), "x");
}

TEST_F(TablePage, DeviceGroupTakesTheProjectsDevicesOfTheRows)
{
    Put("LiveArpTable/core1.oat");
    Put("LiveArpTable/core1$x$vrfA.oat");
    Put("LiveArpTable/ghost.oat");
    ASSERT_EQ(GetCurrentGNI()->AddDevice("Core1", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::Ok);
    RecordingHost host;
    CSubDatasetBase* page = Fill(22);
    Select({});
    page->OnCommand(browsercmd::kDeviceGroupAdd, 22);
    ASSERT_EQ(host.groups.size(), 1u);
    EXPECT_FALSE(host.groups[0].create);
    // Each row of a known device, by the model's spelling; the unknown one is left out.
    ASSERT_EQ(host.groups[0].devices.size(), 2u);
    EXPECT_EQ(host.groups[0].devices[0].name, "Core1");
    EXPECT_EQ(host.groups[0].devices[0].type, TW_DEVICE_ROUTER);

    Select({"ghost"});
    ScriptedPrompter prompter;
    prompter.ExpectMessage("None of the tables' devices is a device of the project, so no device group can take them.",
                           BoxAnswer::Ok, twtest::kNoticeBox);
    page->OnCommand(browsercmd::kDeviceGroupCreate, 22);
    EXPECT_EQ(host.groups.size(), 1u);
}

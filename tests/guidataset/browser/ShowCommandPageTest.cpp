// The "Show Command" page: rows from result file names in listing order, its
// menu, View through the service, Compare through the compare dialog, Save as
// onto the disk; and the tree-driven per-device command pages.
#include "BrowserTestSupport.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/CSubDatasetLiveCommand.h"
#include "guidataset/browser/CSubDatasetLiveCommandDevice.h"
#include "guidataset/browser/CSubDatasetShowCommands.h"
#include "guidataset/resources/CompareShowCommandDlgIds.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"
#include "support/MockGuiDatasetCenter.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

#include <QDialog>

#include <gmock/gmock.h>

using browsertest::PageTest;
using browsertest::ScriptedMenus;
using platform::BoxAnswer;
using testing::ElementsAre;
using twtest::ModalDriver;
using twtest::ScriptedPrompter;

namespace {

class ShowCommandPage : public PageTest {
protected:
    ShowCommandPage()
    {
        PutResult("core-r1", "show ip route", "2024-05-01 10-00-00.000", "route one\r\n");
        PutResult("core-r1", "show version", "2024-05-01 10-00-01.000", "version\r\n");
        PutResult("dist-sw1", "show ip route", "2024-05-02 08-30-00.000", "route two\r\n");
        Put("ShowCommand/notes.config", "not a result");
    }
    static std::string Name(const std::string& device, const std::string& command, const std::string& time)
    {
        return CFileName::ToShowCommandResultFileName(device, command, time, "txt");
    }
    void PutResult(const std::string& device, const std::string& command, const std::string& time,
                   const std::string& text)
    {
        Put("ShowCommand/" + Name(device, command, time), text);
    }
    // The file names as the listing hands them over.
    std::vector<std::string> Listed(const std::string& filter = {}) const
    {
        std::vector<std::string> names;
        EnumShowCommandResults(
            [](const platform::DirEntry& entry, int, std::intptr_t, void* context) {
                static_cast<std::vector<std::string>*>(context)->push_back(entry.name);
            },
            &names, 0, dataFolder + "ShowCommand/", filter, true);
        return names;
    }
    std::vector<std::string> RowNames()
    {
        std::vector<std::string> names;
        for (int row = 0; row < rows.GetItemCount(); ++row) {
            std::string name;
            provider.GetPage(36)->GetRowFileName(name, row, false);
            names.push_back(name);
        }
        return names;
    }
    int RowOfResult(const std::string& device, const std::string& command) const
    {
        for (int row = 0; row < rows.GetItemCount(); ++row)
            if (rows.GetItemText(row, 0) == device && rows.GetItemText(row, 1) == command)
                return row;
        return -1;
    }
    void SelectResult(const std::string& device, const std::string& command)
    {
        for (int row = 0; row < rows.GetItemCount(); ++row)
            rows.SetRowSelected(row, false);
        rows.SetRowSelected(RowOfResult(device, command), true);
    }
};

} // namespace

TEST_F(ShowCommandPage, RowsSplitTheResultNamesAndKeepTheListingOrder)
{
    CSubDatasetBase* page = Fill(36);
    ASSERT_NE(dynamic_cast<CSubDatasetShowCommands*>(page), nullptr);
    ASSERT_EQ(rows.GetColumnCount(), 3);
    EXPECT_EQ(rows.GetColumnHeading(0), "Hostname");
    EXPECT_EQ(rows.GetColumnHeading(1), "Show Command");
    EXPECT_EQ(rows.GetColumnHeading(2), "Execution Time");
    // Not reversed as on the plain pages: row n is the n-th result listed.
    EXPECT_EQ(RowNames(), Listed());
    ASSERT_EQ(rows.GetItemCount(), 3);
    const int row = RowOfResult("dist-sw1", "show ip route");
    ASSERT_GE(row, 0);
    EXPECT_EQ(rows.GetItemText(row, 2), "2024-05-02 08-30-00.000");
    EXPECT_EQ(rows.GetItemImage(row), 7);

    // The layout is kept when asked again with its own id.
    int layout = browserlayout::kShowCommands;
    bool flag = false;
    page->PrepareColumns(layout, flag);
    EXPECT_EQ(rows.GetItemCount(), 0);
    EXPECT_EQ(rows.GetColumnCount(), 3);
}

TEST_F(ShowCommandPage, TheFilterLooksAtTheDeviceAndRowFileNamesFollowTheCells)
{
    Fill(36, "sw");
    EXPECT_THAT(Column(0), ElementsAre("dist-sw1"));
    // The device part is matched as written.
    Fill(36, "SW");
    EXPECT_EQ(rows.GetItemCount(), 0);
    Fill(36, "ip route");
    EXPECT_EQ(rows.GetItemCount(), 0);

    Fill(36);
    const int row = RowOfResult("core-r1", "show version");
    std::string path;
    provider.GetPage(36)->GetFilePath(path, row, false);
    EXPECT_EQ(path, dataFolder + "ShowCommand/" + Name("core-r1", "show version", "2024-05-01 10-00-01.000"));
    // Cells changed away from the file are turned into a name again; a row
    // without a time names no file at all, never one of "now".
    rows.SetItemText(row, 1, "show clock");
    provider.GetPage(36)->GetFilePath(path, row, false);
    EXPECT_EQ(path, dataFolder + "ShowCommand/" + Name("core-r1", "show clock", "2024-05-01 10-00-01.000"));
    rows.SetItemText(row, 2, "");
    provider.GetPage(36)->GetFilePath(path, row, false);
    EXPECT_EQ(path, "");
    provider.GetPage(36)->GetFilePath(path, 3, false);
    EXPECT_EQ(path, "");
}

TEST_F(ShowCommandPage, MenuGraysViewCompareAndSaveAsUnlessOneRowIsSelected)
{
    ScriptedMenus menus;
    CSubDatasetBase* page = Fill(36);
    SelectResult("core-r1", "show version");
    page->ShowContextMenu({1, 1}, 36, false);
    rows.SetRowSelected(RowOfResult("dist-sw1", "show ip route"), true);
    page->ShowContextMenu({1, 1}, 36, false);
    page->ShowContextMenu({1, 1}, 36, true);
    EXPECT_THAT(menus.shown, ElementsAre("View|Compare|Refresh|-|Save as|Delete",
                                         "View(off)|Compare(off)|Refresh|-|Save as(off)|Delete",
                                         "View(off)|Compare(off)|Refresh|-|Save as(off)|Delete(off)"));
    EXPECT_EQ(menus.ids.front(), "8,9,12,18,11");
}

TEST_F(ShowCommandPage, ViewHandsTheResultToTheServiceWithoutAWindow)
{
    MockGuiDatasetCenter service;
    ScopedMockGuiDatasetCenter installed(service);
    CSubDatasetBase* page = Fill(36);
    SelectResult("dist-sw1", "show ip route");
    const std::string path = dataFolder + "ShowCommand/" + Name("dist-sw1", "show ip route", "2024-05-02 08-30-00.000");
    EXPECT_CALL(service, ViewShowCommandResult(path, nullptr)).Times(2);
    EXPECT_TRUE(page->OnCommand(browsercmd::kView, 36));
    page->OnDoubleClick();
}

TEST_F(ShowCommandPage, SaveAsCopiesTheResultOverTheChosenFileOrSaysWhyNot)
{
    CSubDatasetBase* page = Fill(36);
    SelectResult("core-r1", "show ip route");
    ASSERT_TRUE(temp.WriteFile("out/kept.txt", "older text"));
    const std::string target = temp / "gone/old.txt";
    ScriptedPrompter prompter;
    prompter.ExpectFiles({});
    prompter.ExpectFiles({temp / "out/kept.txt"});
    prompter.ExpectFiles({target});
    prompter.ExpectMessage("The result could not be saved as '" + target + "'.", BoxAnswer::Ok);
    EXPECT_TRUE(page->OnCommand(browsercmd::kSaveAs, 36));
    EXPECT_EQ(temp.ReadFile("out/kept.txt"), "older text");
    EXPECT_TRUE(page->OnCommand(browsercmd::kSaveAs, 36));
    EXPECT_EQ(temp.ReadFile("out/kept.txt"), "route one\r\n");
    ASSERT_EQ(prompter.log.size(), 2u);
    EXPECT_EQ(prompter.log[1].filter, "Text File(*.txt);;All File(*.*)");
    EXPECT_EQ(prompter.log[1].defaultSuffix, "txt");
    // Nothing is left beside the saved file.
    EXPECT_FALSE(temp.Exists("out/kept.txt.tw-saving"));

    page->OnCommand(browsercmd::kSaveAs, 36);
    EXPECT_FALSE(temp.Exists("gone"));
    EXPECT_TRUE(Exists("ShowCommand/" + Name("core-r1", "show ip route", "2024-05-01 10-00-00.000")));
}

TEST_F(ShowCommandPage, CompareOpensTheDialogOnTheRowsDeviceAndDataFolder)
{
    CSubDatasetBase* page = Fill(36);
    SelectResult("core-r1", "show version");
    ModalDriver driver;
    std::string device, firstCommand;
    driver.Expect([&](QDialog& dialog) {
        device = ModalDriver::Text(dialog, kIdcCompareShowCommandDevice);
        firstCommand = ModalDriver::Text(dialog, kIdcCompareShowCommandFirstCommand);
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(page->OnCommand(browsercmd::kCompare, 36));
    EXPECT_THAT(driver.Titles(), ElementsAre("Compare show command"));
    EXPECT_EQ(device, "core-r1");
    EXPECT_FALSE(firstCommand.empty());

    auto* showCommands = dynamic_cast<CSubDatasetShowCommands*>(page);
    EXPECT_EQ(showCommands->CompareDataFolderName(), "Audit");
    selection.displayName = "lab::DF1";
    EXPECT_EQ(showCommands->CompareDataFolderName(), dataFolder);

    // Without a selected row, or on another page id, no dialog opens.
    rows.SetRowSelected(RowOfResult("core-r1", "show version"), false);
    page->CompareFile(dataFolder, 36);
    SelectResult("core-r1", "show version");
    page->CompareFile(dataFolder, 35);
    EXPECT_EQ(driver.Titles().size(), 1u);
}

TEST_F(ShowCommandPage, DeleteRemovesTheSelectedResults)
{
    CSubDatasetBase* page = Fill(36);
    SelectResult("core-r1", "show ip route");
    rows.SetRowSelected(RowOfResult("dist-sw1", "show ip route"), true);
    ScriptedPrompter prompter;
    prompter.ExpectMessage("Are you sure you want to delete the file(s)?", BoxAnswer::Ok);
    page->OnCommand(browsercmd::kDelete, 36);
    EXPECT_THAT(Column(1), ElementsAre("show version"));
    EXPECT_FALSE(Exists("ShowCommand/" + Name("core-r1", "show ip route", "2024-05-01 10-00-00.000")));
    EXPECT_FALSE(Exists("ShowCommand/" + Name("dist-sw1", "show ip route", "2024-05-02 08-30-00.000")));
    EXPECT_TRUE(Exists("ShowCommand/" + Name("core-r1", "show version", "2024-05-01 10-00-01.000")));
}

TEST_F(PageTest, LiveCommandPagesBuildDeviceItemsAndListTheirResults)
{
    Put("Live/core-r1/show clock.txt", "a", 1700000000);
    Put("Live/core-r1/show users.txt", "b", 1700000100);
    Put("Live/core-r1/notes.log", "c");
    Put("Live/dist-sw1/show clock.txt", "d");
    Put("Live/readme.txt", "e");
    const TreeItem dataFolderItem = tree.InsertItem(kNoTreeItem, "Audit", 0, 0, 1);
    const TreeItem commands = tree.InsertItem(dataFolderItem, "Commands", 0, 0, 34);
    tree.InsertItem(commands, "stale", 0, 0, 35);

    auto* live = dynamic_cast<CSubDatasetLiveCommand*>(provider.GetPage(34));
    ASSERT_NE(live, nullptr);
    live->SetListCtrl(&rows, false);
    rows.InsertRows(0, {ListRow{{"left over"}, 0, {}}});
    live->FillFromTreeItem(commands, dataFolder + "Live", 5);
    EXPECT_EQ(rows.GetItemCount(), 0);
    std::vector<std::string> children;
    for (TreeItem child : tree.GetChildren(commands)) {
        children.push_back(tree.GetItemText(child));
        EXPECT_EQ(tree.GetItemData(child), 35);
        EXPECT_EQ(tree.Find(child)->image, 5);
    }
    EXPECT_THAT(children, testing::UnorderedElementsAre("core-r1", "dist-sw1"));
    EXPECT_TRUE(tree.Find(commands)->expanded);

    auto* device = dynamic_cast<CSubDatasetLiveCommandDevice*>(provider.GetPage(35));
    ASSERT_NE(device, nullptr);
    const TreeItem deviceItem = tree.GetChildren(commands).front();
    EXPECT_EQ(device->GetOwnerTreeItem(deviceItem), dataFolderItem);
    EXPECT_EQ(device->GetOwnerTreeItem(tree.InsertItem(kNoTreeItem, "loose", 0, 0, 35)), kNoTreeItem);

    device->SetListCtrl(&rows, false);
    device->FillFromFolder(dataFolder + "Live/core-r1");
    EXPECT_THAT(Column(0), testing::UnorderedElementsAre("show clock", "show users"));
    std::string name;
    device->GetRowFileName(name, RowOf("show users"), false);
    EXPECT_EQ(name, "show users.txt");
}

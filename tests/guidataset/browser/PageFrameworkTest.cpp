// The page framework on a real DataFolder: which page serves which id, what a
// fill lists and in which order, the host-name filter, the kind folders, and
// the commands every page shares (Refresh, Delete, a file gone meanwhile).
#include "BrowserTestSupport.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/CSubDatasetConfigFile.h"
#include "guidataset/browser/CSubDatasetIpAccount.h"
#include "guidataset/browser/CSubDatasetLiveCommand.h"
#include "guidataset/browser/CSubDatasetLiveCommandDevice.h"
#include "guidataset/browser/CSubDatasetShowCommands.h"
#include "guidataset/browser/CSubDatasetMonitor.h"
#include "guidataset/browser/CSubDatasetRtSummary.h"
#include "guidataset/browser/CSubDatasetXTable.h"
#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/dataset/core/DataKindFiles.h"
#include "platform/core/DirEntry.h"
#include "platform/qt/Profile.h"
#include "support/ScriptedPrompter.h"

#include <gmock/gmock.h>

#include <filesystem>

using browsertest::PageTest;
using browsertest::RecordingHost;
using browsertest::ScriptedMenus;
using platform::BoxAnswer;
using testing::ElementsAre;
using testing::UnorderedElementsAre;
using twtest::ScriptedPrompter;

namespace {

using PageFramework = PageTest;

std::vector<std::string> ListedNames(const std::string& folder, DataKind kind)
{
    std::vector<platform::DirEntry> entries;
    ListDataKindFiles(entries, folder, kind, {});
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    return names;
}

} // namespace

TEST_F(PageFramework, ProviderMakesOnePagePerIdAndNoneForIdsWithoutAPage)
{
    EXPECT_NE(dynamic_cast<CSubDatasetConfigFile*>(provider.GetPage(16)), nullptr);
    for (int id : {17, 18, 22, 23, 24, 25})
        EXPECT_NE(dynamic_cast<CSubDatasetXTable*>(provider.GetPage(id)), nullptr) << id;
    EXPECT_NE(dynamic_cast<CSubDatasetRtSummary*>(provider.GetPage(21)), nullptr);
    EXPECT_NE(dynamic_cast<CSubDatasetIpAccount*>(provider.GetPage(33)), nullptr);
    EXPECT_NE(dynamic_cast<CSubDatasetMonitor*>(provider.GetPage(26)), nullptr);
    EXPECT_EQ(provider.GetPage(20), provider.GetPage(26));
    EXPECT_EQ(provider.GetPage(17), provider.GetPage(17));
    EXPECT_NE(provider.GetPage(17), provider.GetPage(22));
    EXPECT_NE(dynamic_cast<CSubDatasetShowCommands*>(provider.GetPage(36)), nullptr);
    EXPECT_NE(dynamic_cast<CSubDatasetLiveCommand*>(provider.GetPage(34)), nullptr);
    EXPECT_NE(dynamic_cast<CSubDatasetLiveCommandDevice*>(provider.GetPage(35)), nullptr);
    for (int id : {0, 15, 19, 32, 37, -1})
        EXPECT_EQ(provider.GetPage(id), nullptr) << id;
    // A page knows the provider's tree and selection from the start.
    EXPECT_EQ(provider.GetPage(27)->GetTree(), &tree);
    EXPECT_EQ(provider.GetPage(27)->GetSelection(), &selection);
}

TEST_F(PageFramework, FillListsTheKindsFilesNewestListedFirstWithTheFilter)
{
    Put("LiveConfig/rtAB1.config", "hostname rtAB1\n", 1700000000);
    Put("LiveConfig/core.config");
    Put("LiveConfig/notes.txt");
    Put("LiveConfig/r1$show version.config");
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Audit/LiveConfig/sub.config"));

    ASSERT_NE(Fill(16), nullptr);
    EXPECT_EQ(rows.GetColumnHeading(0), "Hostname");
    EXPECT_EQ(rows.GetColumnWidth(0), 310);
    EXPECT_EQ(rows.GetColumnHeading(1), "Execution Time");
    EXPECT_EQ(rows.GetColumnWidth(1), 120);
    // The list shows the directory search's order reversed.
    std::vector<std::string> expected;
    for (const std::string& name : ListedNames(dataFolder + "LiveConfig/", 16))
        expected.insert(expected.begin(), FileStem(name));
    EXPECT_EQ(Column(0), expected);
    EXPECT_THAT(Column(0), UnorderedElementsAre("rtAB1", "core", "r1$show version"));
    EXPECT_EQ(rows.GetItemImage(0), 7);
    EXPECT_EQ(rows.GetItemText(RowOf("rtAB1"), 1), platform::FormatLocalTime(1700000000LL * 1000000000LL,
                                                                             "%Y-%m-%d %H:%M:%S"));
    EXPECT_EQ(selection.pageId, 16);
    EXPECT_EQ(selection.displayName, "Audit");

    Fill(16, "ab");
    EXPECT_THAT(Column(0), ElementsAre("rtAB1"));
    // The filter looks at the host part of a name: the text before its first '$'.
    Fill(16, "ver");
    EXPECT_THAT(Column(0), ElementsAre());
    Fill(16, "r1");
    EXPECT_THAT(Column(0), ElementsAre("r1$show version"));
}

TEST_F(PageFramework, AMissingKindFolderIsEmptyAndOneThatCannotBeReadIsSaid)
{
    CSubDatasetBase* page = Fill(23);
    EXPECT_EQ(rows.GetItemCount(), 0);
    EXPECT_EQ(page->GetFillNotes().folderProblem, "");
    Put("LiveMacTable", "a file where the folder should be");
    Fill(23);
    EXPECT_EQ(rows.GetItemCount(), 0);
    EXPECT_THAT(page->GetFillNotes().folderProblem, testing::HasSubstr("LiveMacTable/' cannot be read"));
}

TEST_F(PageFramework, KindFoldersFollowTheProjectAndTheWorkspaceFlag)
{
    selection.displayName = "Audit";
    selection.pageId = 17;
    EXPECT_EQ(selection.GetKindFolder(dataFolder), dataFolder + "LiveRouteTable/");
    EXPECT_EQ(selection.GetKindFolder(""), dataFolder + "LiveRouteTable/");   // by the display name
    selection.pageId = 28;
    EXPECT_EQ(selection.GetKindFolder(dataFolder), dataFolder);
    selection.workspaceFlag = 0;
    EXPECT_EQ(selection.GetKindFolder("/elsewhere/x"), "/elsewhere/x");
    selection.workspaceFlag = 1;
    selection.displayName.clear();
    EXPECT_EQ(selection.GetKindFolder(dataFolder), "");

    CBaseline::Close();
    selection.pageId = 22;
    EXPECT_EQ(selection.GetKindFolder("/data/df"), "/data/df/LiveArpTable/");
    selection.pageId = 30;
    EXPECT_EQ(selection.GetKindFolder("/data/df/"), "/data/df/");
    // Never a folder at the root of the disk.
    EXPECT_EQ(selection.GetKindFolder(""), "");
}

TEST_F(PageFramework, DeleteAsksThenDeletesTheSelectedFilesAndTheirRows)
{
    for (const char* name : {"a", "b", "c", "d"})
        Put(std::string("LiveConfig/") + name + ".config");
    ScriptedMenus menus;
    CSubDatasetBase* page = Fill(16);
    Select({"a", "b", "d"});

    ScriptedPrompter prompter;
    prompter.ExpectMessage("Are you sure you want to delete the file(s)?", BoxAnswer::Cancel,
                           {platform::BoxKind::Captioned, platform::kWorkstationCaption, platform::BoxIcon::Question,
                            platform::BoxButtons::OkCancel});
    EXPECT_TRUE(page->OnCommand(browsercmd::kDelete, 16));
    EXPECT_EQ(rows.GetItemCount(), 4);
    EXPECT_TRUE(Exists("LiveConfig/a.config"));

    prompter.ExpectMessage("Are you sure you want to delete the file(s)?", BoxAnswer::Ok);
    EXPECT_TRUE(page->OnCommand(browsercmd::kDelete, 16));
    EXPECT_THAT(Column(0), ElementsAre("c"));
    EXPECT_FALSE(Exists("LiveConfig/a.config"));
    EXPECT_FALSE(Exists("LiveConfig/b.config"));
    EXPECT_FALSE(Exists("LiveConfig/d.config"));
    EXPECT_TRUE(Exists("LiveConfig/c.config"));
}

TEST_F(PageFramework, AFileGoneSinceTheFillIsSaidAndTheListRefreshed)
{
    Put("LiveConfig/r1.config");
    Put("LiveConfig/r2.config");
    RecordingHost host;
    CSubDatasetBase* page = Fill(16);
    Select({"r1"});
    std::filesystem::remove(dataFolder + "LiveConfig/r1.config");

    ScriptedPrompter prompter;
    prompter.ExpectMessage("The file 'r1.config' is no longer in '" + dataFolder +
                               "LiveConfig/': it was deleted or renamed after the list was filled.\n"
                               "The list now shows the folder as it is.",
                           BoxAnswer::Ok, twtest::kNoticeBox);
    page->OnDoubleClick();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_THAT(Column(0), ElementsAre("r2"));
}

TEST_F(PageFramework, RowsCarryTheExactFileNameOfTheirFile)
{
    // Listed ignoring case, so the name rebuilt from the cells would miss the file.
    Put("LiveConfig/R1.CONFIG", "hostname R1\n");
    Put("LiveConfig/100%$x.config");
    RecordingHost host;
    CSubDatasetBase* page = Fill(16);
    Select({"R1"});
    EXPECT_EQ(page->GetSelectedFilePath(), dataFolder + "LiveConfig/R1.CONFIG");
    Select({"100%$x"});
    EXPECT_EQ(page->GetSelectedFilePath(), dataFolder + "LiveConfig/100%$x.config");

    // A row whose cell says something else is named by its cell.
    rows.SetItemText(RowOf("R1"), 0, "R7");
    std::string name;
    page->GetRowFileName(name, RowOf("R7"), false);
    EXPECT_EQ(name, "R7.config");
}

TEST_F(PageFramework, RefreshUsesTheSavedFilterAndOtherPagesListTheirKinds)
{
    Put("r1.status");
    Put("r2.status");
    Put("r1.ping");
    Put("acct-1.log");
    Put("LiveConfig/r1.config");
    ASSERT_TRUE(platform::WriteProfileString("DatafolderView", "TextFilter", "r1"));
    ScriptedMenus menus;
    menus.Choose(browsercmd::kRefresh);
    CSubDatasetBase* page = Fill(27);
    EXPECT_THAT(Column(0), UnorderedElementsAre("r1", "r2"));
    page->ShowContextMenu({10, 10}, 27, false);
    EXPECT_THAT(Column(0), ElementsAre("r1"));
    EXPECT_THAT(menus.shown, ElementsAre("View(off)|Refresh|-|Delete(off)"));

    Fill(33);   // IP accounting lists every file of the DataFolder itself
    EXPECT_THAT(Column(0), UnorderedElementsAre("r1", "r2", "r1", "acct-1"));
    Fill(21);   // the route summary lists nothing
    EXPECT_EQ(rows.GetItemCount(), 0);
}

TEST(BrowserRows, StatusTextCountsTheTabsFiles)
{
    EXPECT_EQ(BrowserStatusText(12, "Route Table"), "There are 12 Route Tables  ");
    EXPECT_EQ(BrowserStatusText(1, "ARP Table"), "There is 1 ARP Table  ");
    EXPECT_EQ(BrowserStatusText(0, "CDP Table"), "There is 0 CDP Table  ");
    EXPECT_EQ(BrowserStatusText(2, std::string(80, 'x')).size(), 64u);
}

// The monitor, summary and accounting pages: their viewers, the periods of a
// device's monitor folder, and the monitor's part of the DataFolder tree.
#include "BrowserTestSupport.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/CSubDatasetMonitor.h"
#include "guidataset/browser/core/MonitorPeriods.h"
#include "host/util/TWRoot.h"
#include "platform/core/FileTimes.h"

#include <gmock/gmock.h>

using browsertest::PageTest;
using browsertest::RecordingHost;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

namespace {

using MonitorPage = PageTest;

std::string Start(long seconds)
{
    return platform::FormatLocalTime(static_cast<platform::FileTime>(seconds) * 1000000000LL, "%b/%d/%Y %H:%M:%S ");
}

} // namespace

TEST(MonitorPeriods, NamesOfTheFourKindsOfPeriod)
{
    twtest::TempDir dir;
    for (const char* name : {"realtime", "last_realtime", "_nightly", "1700000000-1700003600", "1700000000-1700005400"})
        ASSERT_TRUE(dir.MakeDir(std::string("dev/") + name));
    ASSERT_TRUE(dir.WriteFile("dev/notes.txt", "x"));
    std::vector<std::string> shown;
    for (const MonitorPeriod& period : ListMonitorPeriods(dir / "dev")) {
        shown.push_back(period.display);
        EXPECT_EQ(period.path, dir / ("dev/" + period.folderName + "/"));
    }
    EXPECT_THAT(shown, UnorderedElementsAre("Current Real-time Data", "Last Real-time Data", "nightly",
                                            Start(1700000000) + "1 hour 0 min", Start(1700000000) + "1 hour 30 mins"));
    EXPECT_EQ(MonitorPeriodDisplay("100-7300"), Start(100) + "2 hours 0 min");
    EXPECT_EQ(MonitorPeriodDisplay("100-220"), Start(100) + "0 hour 2 mins");
    EXPECT_EQ(MonitorPeriodDisplay("100"), Start(100) + "0 hour 0 min");
    EXPECT_EQ(MonitorPeriodDisplay("x-60"), Start(0) + "0 hour 1 min");
    EXPECT_TRUE(ListMonitorPeriods(dir / "missing").empty());
}

TEST_F(MonitorPage, ViewersOfTheSummaryAccountingAndMonitorPages)
{
    Put("r1.txt");
    Put("acct.log");
    RecordingHost host;
    CSubDatasetBase* monitor = Fill(26);
    ASSERT_EQ(rows.GetItemCount(), 1);
    rows.SetRowSelected(0, true);
    monitor->OnCommand(browsercmd::kView, 26);
    monitor->ViewFile(dataFolder + "r1.txt", 20);   // only the monitor's own id opens the viewer
    EXPECT_THAT(host.monitorViews, ElementsAre(dataFolder + "r1.txt"));

    provider.GetPage(21)->ViewFile(dataFolder + "sum.txt", 21);
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(host.calls[0].receiver, -1);
    EXPECT_EQ(host.calls[0].message, 3331u);
    EXPECT_EQ(host.calls[0].path, dataFolder + "sum.txt");
    EXPECT_EQ(host.calls[0].network, selection.network);

    CSubDatasetBase* accounting = Fill(33);
    rows.SetRowSelected(RowOf("acct"), true);
    accounting->OnDoubleClick();
    EXPECT_THAT(host.accountingViews, ElementsAre(dataFolder + "acct.log"));
}

TEST_F(MonitorPage, TreeShowsTheDevicesWithANodeAndTheirPeriods)
{
    // The nodes come from the project's device inventory, read when first asked.
    ASSERT_TRUE(temp.WriteFile("campus/Devices.ini", "[core-r1]\nType=router\n[Dist-SW1]\nType=switch\n"));
    const std::string r1 = std::to_string(TWRoot::NodeNumberOf("core-r1"));
    const std::string sw1 = std::to_string(TWRoot::NodeNumberOf("dist-sw1"));
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Audit/monitor/" + r1 + "/realtime"));
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Audit/monitor/" + r1 + "/_nightly"));
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Audit/monitor/" + sw1 + "/realtime"));
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Audit/monitor/3003/realtime"));
    auto* page = dynamic_cast<CSubDatasetMonitor*>(provider.GetPage(20));
    ASSERT_NE(page, nullptr);
    selection.pageId = 26;
    const TreeItem dataFolderItem = tree.InsertItem(kNoTreeItem, "Audit", 0, 0, 1);
    const TreeItem monitorItem = tree.InsertItem(dataFolderItem, "monitor", 0, 0, CSubDatasetMonitor::kMonitorItem);
    page->ExpandTreeItem(monitorItem);

    std::vector<std::string> devices;
    for (TreeItem device : tree.GetChildren(monitorItem)) {
        EXPECT_EQ(tree.GetItemData(device), CSubDatasetMonitor::kDeviceItem);
        devices.push_back(tree.GetItemText(device));
    }
    EXPECT_THAT(devices, UnorderedElementsAre("core-r1", "Dist-SW1"));   // 3003 has no node
    TreeItem coreR1 = kNoTreeItem;
    for (TreeItem device : tree.GetChildren(monitorItem))
        if (tree.GetItemText(device) == "core-r1")
            coreR1 = device;
    std::vector<std::string> periods;
    for (TreeItem period : tree.GetChildren(coreR1))
        periods.push_back(tree.GetItemText(period));
    EXPECT_THAT(periods, UnorderedElementsAre("Current Real-time Data", "nightly"));

    // A period item leads to its folder below the DataFolder, and to the DataFolder item as its owner.
    TreeItem nightly = kNoTreeItem;
    for (TreeItem period : tree.GetChildren(coreR1))
        if (tree.GetItemText(period) == "nightly")
            nightly = period;
    std::string path;
    page->OnTreeItemSelected(nightly, dataFolder, path);
    EXPECT_EQ(path, "monitor/" + r1 + "/_nightly");
    EXPECT_EQ(page->GetOwnerTreeItem(nightly), dataFolderItem);
    EXPECT_EQ(page->GetOwnerTreeItem(coreR1), monitorItem);

    // Expanding again replaces the children rather than adding more.
    page->ExpandTreeItem(monitorItem);
    EXPECT_EQ(tree.GetChildren(monitorItem).size(), 2u);
}

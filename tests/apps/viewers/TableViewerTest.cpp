// The table viewer as the DataFolder browser opens it (receiver 11 and the
// route-table service), its filter and sorting over 80,000 rows, and keyed
// table comparisons against the current DataFolder.
#include "ViewerFixture.h"

#include "apps/workstation/viewers/CKeyedCompareModel.h"
#include "apps/workstation/viewers/CKeyedCompareViewer.h"
#include "apps/workstation/viewers/CTableFileModel.h"
#include "apps/workstation/viewers/TextSearch.h"

#include "host/adaptor/GuiRTCenter.h"
#include "host/adaptor/HostMessages.h"
#include "host/util/CConf.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

using twtest::kNoticeBox;

namespace {

const std::string kArpHeader = "protocol\taddress\tage\tmac\ttype\tinterface\r\n";
const std::string kArpTable = kArpHeader +
    "Internet\t10.0.0.10\t3\t0011.2233.4466\tARPA\tGigabitEthernet0/1\r\n"
    "Internet\t10.0.0.9\t-\t0011.2233.4455\tARPA\tGigabitEthernet0/0\r\n"
    "Internet\t10.0.0.100\t12\t0011.2233.4477\tARPA\tVlan10\r\n";

const char* const kRouteTable =
    "protocol\tvrf\tnetwork\tprefix_length\tdistance\tmetric\tnexthop_ip\tnexthop_if\tuptime\r\n"
    "O\t\t10.1.0.0\t16\t110\t20\t10.0.0.2\tGigabitEthernet0/0\t3d02h\r\n";

class TableViewer : public twtest::ViewerFixture {
protected:
    long View(unsigned message, const std::string& path)
    {
        return Send(hostmsg::kTableViewerReceiver, message, W(path.c_str()), 0);
    }
    long Compare(unsigned message, const std::string& host, const std::string& path)
    {
        // As the table pages fill it: the host twice, nothing else.
        hostmsg::TableCompareRequest request;
        request.hostName = host;
        request.path = path;
        request.otherHostName = host;
        return Send(hostmsg::kTableViewerReceiver, message, 0, L(&request));
    }
    workstation::CTableViewer* Only() const
    {
        const auto viewers = Viewers().TableViewers();
        return viewers.size() == 1 ? viewers.front() : nullptr;
    }
    static std::string Cell(const workstation::CTableViewer& viewer, int row, int column)
    {
        return viewer.Table()->model()->index(row, column).data().toString().toStdString();
    }
    // The keyed comparison's shown rows, one line each: the view's cells joined by '|'.
    static std::vector<std::string> Shown(const workstation::CKeyedCompareViewer& viewer)
    {
        std::vector<std::string> rows;
        const QAbstractItemModel* model = viewer.Table()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows.push_back(cells.join('|').toStdString());
        }
        return rows;
    }
    void MakeCurrent(const std::string& dataFolderPath)
    {
        CConf record(Project() + "TWDataSet.ini");
        ASSERT_TRUE(record.SetValue("RECORD_INFO", "CurrentPath", dataFolderPath));
    }
};

} // namespace

TEST_F(TableViewer, ArpTableOpensAsASortableFilteredGrid)
{
    const std::string path = Write("DataFolders/Audit/LiveArpTable/core-r1$vrfA.oat", kArpTable);
    ASSERT_EQ(View(hostmsg::kViewArpTable, path), 1);
    workstation::CTableViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    QAbstractItemModelTester tester(viewer->Table()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(ActiveTitle().toStdString(), "ARP table of core-r1 (vrfA) \u2014 Audit");
    QAbstractItemModel* model = viewer->Table()->model();
    ASSERT_EQ(model->columnCount(), 6);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString().toStdString(), "Address");
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString().toStdString(), "MAC");
    EXPECT_EQ(viewer->RowCountText().toStdString(), "3 rows");
    EXPECT_EQ(Cell(*viewer, 0, 1), "10.0.0.10");   // the file's order until sorted

    // Addresses sort by value, not as text; the selected row stays selected.
    viewer->Table()->selectRow(0);
    viewer->Table()->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(Cell(*viewer, 0, 1), "10.0.0.9");
    const QModelIndexList selected = viewer->Table()->selectionModel()->selectedRows(1);
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].data().toString().toStdString(), "10.0.0.10");
    EXPECT_EQ(selected[0].row(), 1);
    EXPECT_EQ(Cell(*viewer, 1, 1), "10.0.0.10");
    EXPECT_EQ(Cell(*viewer, 2, 1), "10.0.0.100");
    viewer->Table()->sortByColumn(1, Qt::DescendingOrder);
    EXPECT_EQ(Cell(*viewer, 0, 1), "10.0.0.100");

    viewer->SetFilterText("gigabitethernet");
    EXPECT_EQ(viewer->RowCountText().toStdString(), "2 of 3 rows");
    viewer->SetFilterText("VLAN10");
    EXPECT_EQ(viewer->RowCountText().toStdString(), "1 of 3 rows");
    EXPECT_EQ(Cell(*viewer, 0, 3), "0011.2233.4477");
    viewer->FilterEdit()->clear();
    EXPECT_EQ(viewer->RowCountText().toStdString(), "3 rows");

    // MAC and CDP tables come by their own messages; the same file is not opened twice.
    ASSERT_EQ(View(hostmsg::kViewArpTable, path), 1);
    EXPECT_EQ(WindowCount(), 1);
    const std::string mac = Write("DataFolders/Audit/LiveMacTable/dist-sw1.omt",
                                  "vlan\tmac\ttype\tports\r\n10\t0011.2233.4455\tDYNAMIC\tGi0/1\r\n");
    ASSERT_EQ(View(hostmsg::kViewMacTable, mac), 1);
    EXPECT_EQ(ActiveTitle().toStdString(), "MAC table of dist-sw1 \u2014 Audit");
}

TEST_F(TableViewer, EightyThousandRowsFilterAndSortOnTheirCells)
{
    std::string text = "vlan\tmac\ttype\tports\r\n";
    int gi7 = 0;
    for (int i = 0; i < 80000; ++i) {
        char line[96];
        const int port = i % 48;
        gi7 += port == 7 ? 1 : 0;
        std::snprintf(line, sizeof line, "%d\t%04x.%04x.%04x\tDYNAMIC\tGi1/0/%d\r\n", (i * 7919) % 4000 + 1,
                      i & 0xffff, (i >> 4) & 0xffff, i * 3 & 0xffff, port);
        text += line;
    }
    const std::string path = Write("DataFolders/Audit/LiveMacTable/dist-sw1.omt", text);
    ASSERT_EQ(View(hostmsg::kViewMacTable, path), 1);
    workstation::CTableViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->RowCountText().toStdString(), "80,000 rows");

    viewer->SetFilterText("gi1/0/7");
    EXPECT_EQ(viewer->RowCountText().toStdString(), std::to_string(gi7 / 1000) + "," +
                                                        std::to_string(gi7 % 1000 + 1000).substr(1) + " of 80,000 rows");
    viewer->SetFilterText(QString());

    // VLAN numbers by value: 1 first, 4000 last.
    viewer->Table()->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(Cell(*viewer, 0, 0), "1");
    EXPECT_EQ(Cell(*viewer, 79999, 0), "4000");
    // Ports by their numbers: Gi1/0/2 before Gi1/0/10.
    viewer->Table()->sortByColumn(3, Qt::AscendingOrder);
    EXPECT_EQ(Cell(*viewer, 0, 3), "Gi1/0/0");
    EXPECT_EQ(Cell(*viewer, 79999, 3), "Gi1/0/47");
}

TEST(NaturalCompare, DigitRunsByValueCaseIgnored)
{
    using workstation::NaturalCompare;
    EXPECT_LT(NaturalCompare("10.0.0.9", "10.0.0.10"), 0);
    EXPECT_LT(NaturalCompare("Gi1/0/2", "gi1/0/10"), 0);
    EXPECT_GT(NaturalCompare("Vlan100", "Vlan20"), 0);
    EXPECT_LT(NaturalCompare("", "0"), 0);
    EXPECT_LT(NaturalCompare("Te1/1", "te1/1/1"), 0);
    EXPECT_NE(NaturalCompare("007", "7"), 0);   // a stable order for equal values
    EXPECT_EQ(NaturalCompare("abc", "abc"), 0);
}

TEST_F(TableViewer, BinaryAndBrokenTablesAreRefused)
{
    const std::string binary = Write("DataFolders/Audit/LiveCdpTable/core-r1.cdp", std::string("PK\3\4\0\0\0\0", 8));
    m_prompter.ExpectMessage("The file '" + binary + "' is a binary file, not a table, and is not shown.",
                             platform::BoxAnswer::Ok);
    EXPECT_EQ(View(hostmsg::kViewCdpTable, binary), 0);
    const std::string empty = Write("DataFolders/Audit/LiveCdpTable/dist-sw1.cdp", "");
    m_prompter.ExpectMessage("The table '" + empty + "' cannot be read: it is missing, unreadable or empty.",
                             platform::BoxAnswer::Ok);
    EXPECT_EQ(View(hostmsg::kViewCdpTable, empty), 0);
    EXPECT_EQ(WindowCount(), 0);
}

TEST_F(TableViewer, CompareAgainstTheCurrentDataFoldersTable)
{
    const std::string audit = Write("DataFolders/Audit/LiveArpTable/core-r1$vrfA.oat", kArpTable);
    const std::string current = Write("DataFolders/Local default/LiveArpTable/CORE-R1$vrfA.oat", kArpTable);
    EXPECT_EQ(Compare(hostmsg::kCompareArpTable, "core-r1", audit), 1);
    EXPECT_EQ(ActiveTitle().toStdString(), "ARP table of core-r1 (vrfA) \u2014 Audit -> Local default");
    ASSERT_EQ(Viewers().CompareViewers().size(), 1u);
    EXPECT_EQ(Viewers().CompareViewers()[0]->Second(), current);
    EXPECT_TRUE(m_starter.commandLines.empty());   // keyed, not a text diff

    // The table of the current DataFolder itself has nothing to be compared with.
    m_prompter.ExpectMessage("This ARP table of core-r1 is the current DataFolder's own ('Local default'); make "
                             "another DataFolder current to compare it with.",
                             platform::BoxAnswer::Ok, kNoticeBox);
    EXPECT_EQ(Compare(hostmsg::kCompareArpTable, "core-r1", current), 0);

    // Nothing of that kind in the current DataFolder.
    const std::string cdp = Write("DataFolders/Audit/LiveCdpTable/core-r1.cdp", "local_interface\r\nGi0/0\r\n");
    m_prompter.ExpectMessage("The current DataFolder 'Local default' has no CDP table of core-r1 to compare with.",
                             platform::BoxAnswer::Ok, kNoticeBox);
    EXPECT_EQ(Compare(hostmsg::kCompareCdpTable, "core-r1", cdp), 0);

    // A table whose header is not of its kind.
    const std::string headerOnly = Write("DataFolders/Audit/LiveArpTable/core-r1.oat", kArpHeader);
    const std::string misnamed = Write("DataFolders/Local default/LiveArpTable/core-r1.oat", "vlan\tmac\r\n");
    m_prompter.ExpectMessage("The table '" + misnamed + "' is not an ARP table as its name says: its header reads "
                             "'vlan, mac' where an ARP table has 'protocol, address, age, mac, type, interface'.",
                             platform::BoxAnswer::Ok);
    EXPECT_EQ(Compare(hostmsg::kCompareArpTable, "core-r1", headerOnly), 0);
    EXPECT_EQ(Viewers().CompareViewers().size(), 1u);

    // Another DataFolder made current is the one compared with.
    MakeCurrent(Audit());
    EXPECT_EQ(Compare(hostmsg::kCompareArpTable, "core-r1", current), 1);
    ASSERT_EQ(Viewers().CompareViewers().size(), 2u);
    EXPECT_EQ(Viewers().CompareViewers()[1]->First(), current);
    EXPECT_EQ(Viewers().CompareViewers()[1]->Second(), audit);
}

TEST_F(TableViewer, RouteTablesThroughTheRouteTableService)
{
    const std::string path = Write("DataFolders/Audit/LiveRouteTable/core-r1.ort", kRouteTable);
    GuiRTCenter& center = GuiRTCenter::Instance();
    center.SetSimulatedMode(true);
    center.OpenRouteTable(path, 0, 0);
    EXPECT_EQ(ActiveTitle().toStdString(), "Simulated route table of core-r1 \u2014 Audit");
    workstation::CTableViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->Table()->model()->headerData(7, Qt::Horizontal).toString().toStdString(), "Nexthop interface");
    center.SetSimulatedMode(false);
    const std::string live = Write("DataFolders/Audit/LiveRouteTable/dist-sw1.ort", kRouteTable);
    center.OpenRouteTable(live, 0, 0);
    EXPECT_EQ(ActiveTitle().toStdString(), "Live route table of dist-sw1 \u2014 Audit");

    // A renamed table: its window follows it to the new name.
    const std::string renamed = Project() + "DataFolders/Audit/LiveRouteTable/core-r1$before-change.ort";
    center.OnRouteTableRenamed(path, renamed);
    EXPECT_EQ(viewer->Path(), renamed);
    EXPECT_EQ(viewer->windowTitle().toStdString(), "Simulated route table of core-r1 (before-change) \u2014 Audit");

    const std::string current = Write("DataFolders/Local default/LiveRouteTable/dist-sw1.ort", kRouteTable);
    center.CompareRouteTable(nullptr, live);
    EXPECT_EQ(ActiveTitle().toStdString(), "Live route table of dist-sw1 \u2014 Audit -> Local default");
    ASSERT_EQ(Viewers().CompareViewers().size(), 1u);
    EXPECT_EQ(Viewers().CompareViewers()[0]->First(), live);
    EXPECT_TRUE(m_starter.commandLines.empty());
}

// The keyed comparison: every changed key in a coloured list with counts and
// filters per kind of change.
TEST_F(TableViewer, KeyedComparisonListsChangedKeysWithCountsFiltersAndIgnoredColumns)
{
    const std::string audit = Write("DataFolders/Audit/LiveArpTable/core-r1.oat",
                                    kArpHeader + "Internet\t10.0.0.9\t-\t0011.2233.4455\tARPA\tGi0/0\r\n"
                                                 "Internet\t10.0.0.10\t3\t0011.2233.4466\tARPA\tGi0/1\r\n"
                                                 "Internet\t10.0.0.20\t7\t0011.2233.4499\tARPA\tGi0/1\r\n");
    Write("DataFolders/Local default/LiveArpTable/core-r1.oat",
          kArpHeader + "Internet\t10.0.0.10\t9\t0011.2233.4477\tARPA\tGi0/1\r\n"
                       "Internet\t10.0.0.9\t-\t0011.2233.4455\tARPA\tGi0/0\r\n"
                       "Internet\t10.0.0.100\t1\t0011.2233.4488\tARPA\tVlan10\r\n"
                       "Internet\t10.0.0.9\t-\t0011.2233.4455\tARPA\tGi0/2\r\n");
    ASSERT_EQ(Compare(hostmsg::kCompareArpTable, "core-r1", audit), 1);
    ASSERT_EQ(Viewers().CompareViewers().size(), 1u);
    workstation::CKeyedCompareViewer& viewer = *Viewers().CompareViewers()[0];
    QAbstractItemModelTester tester(viewer.Table()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(Shown(viewer), (std::vector<std::string>{
                                 "Added (duplicate key)|10.0.0.9|protocol=Internet; mac=0011.2233.4455; "
                                 "type=ARPA; interface=Gi0/2",
                                 "Changed|10.0.0.10|mac: 0011.2233.4466 -> 0011.2233.4477",
                                 "Removed|10.0.0.20|protocol=Internet; mac=0011.2233.4499; type=ARPA; "
                                 "interface=Gi0/1",
                                 "Added|10.0.0.100|protocol=Internet; mac=0011.2233.4488; type=ARPA; "
                                 "interface=Vlan10",
                             }));
    EXPECT_EQ(viewer.KindFilter("added")->text().toStdString(), "Added: 2");
    EXPECT_EQ(viewer.KindFilter("removed")->text().toStdString(), "Removed: 1");
    EXPECT_EQ(viewer.KindFilter("changed")->text().toStdString(), "Changed: 1");
    EXPECT_EQ(viewer.SummaryText().toStdString(), "core-r1.oat (3 keys) -> core-r1.oat (4 keys); 1 unchanged");
    EXPECT_EQ(viewer.ProblemText().toStdString(), "Lines 3 and 5 of the second table hold the same key 10.0.0.9; each row is compared.");
    // Each kind in its own colour.
    const QAbstractItemModel* model = viewer.Table()->model();
    EXPECT_EQ(model->index(0, 2).data(Qt::BackgroundRole).value<QColor>(),
              workstation::CKeyedCompareModel::Tint(KeyedChangeKind::Added));
    EXPECT_EQ(model->index(2, 0).data(Qt::ForegroundRole).value<QColor>(),
              workstation::CKeyedCompareModel::Ink(KeyedChangeKind::Removed));
    EXPECT_NE(workstation::CKeyedCompareModel::Tint(KeyedChangeKind::Added),
              workstation::CKeyedCompareModel::Tint(KeyedChangeKind::Changed));

    // Filters by kind of change.
    viewer.KindFilter("added")->click();
    viewer.KindFilter("removed")->click();
    EXPECT_EQ(Shown(viewer), (std::vector<std::string>{"Changed|10.0.0.10|mac: 0011.2233.4466 -> 0011.2233.4477"}));
    viewer.KindFilter("changed")->click();
    EXPECT_EQ(model->rowCount(), 0);
    viewer.KindFilter("changed")->click();

    // The ARP age is left out until asked for.
    EXPECT_EQ(viewer.IgnoredSwitch()->text().toStdString(), "Compare age too (changes on every capture)");
    viewer.IgnoredSwitch()->click();
    EXPECT_EQ(Shown(viewer), (std::vector<std::string>{"Changed|10.0.0.10|age: 3 -> 9; mac: 0011.2233.4466 -> "
                                                       "0011.2233.4477"}));

    // The same comparison again brings up its window.
    ASSERT_EQ(Compare(hostmsg::kCompareArpTable, "core-r1", audit), 1);
    EXPECT_EQ(WindowCount(), 1);
}

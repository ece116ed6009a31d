// The keyed table comparison as the DataFolder browser opens it: a table of
// a DataFolder against the current DataFolder's, every changed key in a
// coloured list with counts and filters per kind of change.
#include "ViewerFixture.h"

#include "apps/workstation/viewers/CKeyedCompareModel.h"
#include "apps/workstation/viewers/CKeyedCompareViewer.h"

#include "host/adaptor/HostMessages.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QTableView>

namespace {

const std::string kHeader = "protocol\taddress\tage\tmac\ttype\tinterface\r\n";

class KeyedCompareViewer : public twtest::ViewerFixture {
protected:
    long CompareArp(const std::string& path)
    {
        hostmsg::TableCompareRequest request;
        request.hostName = "core-r1";
        request.path = path;
        request.otherHostName = "core-r1";
        return Send(hostmsg::kTableViewerReceiver, hostmsg::kCompareArpTable, 0, L(&request));
    }
    // The shown rows, one line each: the view's cells joined by '|'.
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
};

} // namespace

TEST_F(KeyedCompareViewer, ChangedKeysWithCountsFiltersAndIgnoredColumns)
{
    const std::string audit = Write("DataFolders/Audit/LiveArpTable/core-r1.oat",
                                    kHeader + "Internet\t10.0.0.9\t-\t0011.2233.4455\tARPA\tGi0/0\r\n"
                                              "Internet\t10.0.0.10\t3\t0011.2233.4466\tARPA\tGi0/1\r\n"
                                              "Internet\t10.0.0.20\t7\t0011.2233.4499\tARPA\tGi0/1\r\n");
    Write("DataFolders/Local default/LiveArpTable/core-r1.oat",
          kHeader + "Internet\t10.0.0.10\t9\t0011.2233.4477\tARPA\tGi0/1\r\n"
                    "Internet\t10.0.0.9\t-\t0011.2233.4455\tARPA\tGi0/0\r\n"
                    "Internet\t10.0.0.100\t1\t0011.2233.4488\tARPA\tVlan10\r\n"
                    "Internet\t10.0.0.9\t-\t0011.2233.4455\tARPA\tGi0/2\r\n");
    ASSERT_EQ(CompareArp(audit), 1);
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
    ASSERT_EQ(CompareArp(audit), 1);
    EXPECT_EQ(WindowCount(), 1);
}

TEST_F(KeyedCompareViewer, TablesThatCannotBeComparedAreSaidSo)
{
    const std::string audit = Write("DataFolders/Audit/LiveArpTable/core-r1.oat", kHeader);
    const std::string current = Write("DataFolders/Local default/LiveArpTable/core-r1.oat", "vlan\tmac\r\n");
    m_prompter.ExpectMessage("The table '" + current + "' is not an ARP table as its name says: its header reads "
                             "'vlan, mac' where an ARP table has 'protocol, address, age, mac, type, interface'.",
                             platform::BoxAnswer::Ok);
    EXPECT_EQ(CompareArp(audit), 0);
    EXPECT_EQ(WindowCount(), 0);
}

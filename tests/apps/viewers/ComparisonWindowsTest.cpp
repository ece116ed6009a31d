// The windows shown after a comparison was chosen: the change report of two
// DataFolders and the verdicts of many devices, in the workstation's MDI area.
#include "ViewerFixture.h"

#include "apps/workstation/viewers/CDataFolderReportModel.h"
#include "apps/workstation/viewers/CDataFolderReportWindow.h"
#include "apps/workstation/viewers/CDeviceCompareModel.h"
#include "apps/workstation/viewers/CDeviceCompareWindow.h"
#include "apps/workstation/viewers/CKeyedCompareViewer.h"
#include "apps/workstation/viewers/ComparisonWindows.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>

#include <filesystem>

namespace {

class ComparisonWindows : public twtest::ViewerFixture {
protected:
    void SetUp() override
    {
        ViewerFixture::SetUp();
        // Audit: before; Local default: after. core-r1's configuration gained
        // a line and its ARP table an entry; dist-sw1's MAC table went;
        // edge-r9 is not in the inventory.
        Write("DataFolders/Audit/LiveConfig/core-r1.config", "hostname core-r1\r\n");
        Write("DataFolders/Local default/LiveConfig/core-r1.config", "hostname core-r1\r\nip routing\r\n");
        const std::string arp = "protocol\taddress\tage\tmac\ttype\tinterface\r\n"
                                "Internet\t10.0.0.1\t-\t5254.0012.3401\tARPA\tGi0/0\r\n";
        Write("DataFolders/Audit/LiveArpTable/core-r1.oat", arp);
        Write("DataFolders/Local default/LiveArpTable/core-r1.oat",
              arp + "Internet\t10.0.0.2\t3\t5254.0012.3402\tARPA\tGi0/0\r\n");
        Write("DataFolders/Audit/LiveMacTable/dist-sw1.omt",
              "vlan\tmac\ttype\tports\r\n10\t0050.56a1.0b0c\tDYNAMIC\tGi1/0/3\r\n");
        Write("DataFolders/Local default/LiveRouteTable/edge-r9.ort",
              "protocol\tvrf\tnetwork\tprefix_length\tdistance\tmetric\tnexthop_ip\tnexthop_if\tuptime\r\n"
              "C\t\t10.9.0.0\t24\t\t\t\tGi0/0\t\r\n");
    }
};

} // namespace

TEST_F(ComparisonWindows, ReportRowsOpenTheDiffViewerAndExport)
{
    workstation::CDataFolderReportWindow* window =
        workstation::ShowDataFolderComparison(m_window->MdiArea(), Audit(), LocalDefault());
    ASSERT_TRUE(window);
    EXPECT_EQ(ActiveTitle().toStdString(), "Changes: Audit \u2192 Local default");
    workstation::CDataFolderReportModel& model = *window->Model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(0, 0).data().toString().toStdString(), "core-r1");
    EXPECT_EQ(model.index(0, 1).data().toString().toStdString(), "2 differences");
    EXPECT_EQ(model.index(0, 2).data().toString().toStdString(), "2 changed");
    const QModelIndex core = model.index(0, 0);
    ASSERT_EQ(model.rowCount(core), 2);
    EXPECT_EQ(model.index(0, 0, core).data().toString().toStdString(), "Configuration");
    EXPECT_EQ(model.index(0, 2, core).data().toString().toStdString(), "1 line added");
    EXPECT_EQ(model.index(1, 0, core).data().toString().toStdString(), "ARP table");
    EXPECT_EQ(model.index(1, 2, core).data().toString().toStdString(), "1 entry added");
    const QModelIndex dist = model.index(1, 0);
    EXPECT_EQ(model.index(0, 1, dist).data().toString().toStdString(), "Removed");
    EXPECT_EQ(model.index(0, 2, dist).data().toString().toStdString(), "only in Audit");
    const QString summary = window->Summary()->text();
    EXPECT_TRUE(summary.contains("Added 1, removed 1, changed 2")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("Not in the project's device inventory (compared all the same): edge-r9"));

    // A changed configuration goes to the side-by-side viewer; a device row opens nothing.
    EXPECT_FALSE(window->OpenRow(core));
    ASSERT_TRUE(window->OpenRow(model.index(0, 0, core)));
    ASSERT_EQ(m_starter.commandLines.size(), 1u);
    EXPECT_EQ(m_starter.commandLines[0], "\"TarnwickDiff.exe\" \"" + Audit() + "LiveConfig/core-r1.config\" \"" +
                                             LocalDefault() + "LiveConfig/core-r1.config\"");
    // A changed table: compared by its keys in the workstation's comparison window.
    ASSERT_TRUE(window->OpenRow(model.index(1, 0, core)));
    ASSERT_EQ(Viewers().CompareViewers().size(), 1u);
    EXPECT_EQ(Viewers().CompareViewers().front()->Second(), LocalDefault() + "LiveArpTable/core-r1.oat");
    EXPECT_EQ(ActiveTitle().toStdString(), "core-r1 ARP table \u2014 Audit \u2192 Local default");
    // Only in the first: shown in its viewer.
    const int windows = WindowCount();
    ASSERT_TRUE(window->OpenRow(model.index(0, 0, dist)));
    EXPECT_EQ(WindowCount(), windows + 1);

    m_prompter.ExpectFiles({m_tmp / "report.html"});
    ASSERT_TRUE(window->Export());
    const std::string html = m_tmp.ReadFile("report.html");
    EXPECT_NE(html.find("<h2>core-r1</h2>"), std::string::npos);
    EXPECT_EQ(m_prompter.log.back().defaultSuffix, "html");
    m_prompter.ExpectFiles({});
    EXPECT_FALSE(window->Export());
}

TEST_F(ComparisonWindows, ManyDevicesGetAVerdictPerKind)
{
    Write("Config/core-r1.config", "hostname core-r1\r\n");
    workstation::CDeviceCompareWindow* window = workstation::ShowConfigRouteComparison(
        m_window->MdiArea(), {"core-r1", "dist-sw1", "edge-r9"}, Audit(), Project() + "Config/", 1);
    ASSERT_TRUE(window);
    EXPECT_EQ(ActiveTitle().toStdString(), "Compare Configuration and Routing: Audit and *Baseline Config");
    workstation::CDeviceCompareModel& model = *window->Model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(0, 1).data().toString().toStdString(), "Same");
    EXPECT_EQ(model.index(1, 1).data().toString().toStdString(), "In neither");
    EXPECT_EQ(model.index(0, 2).data().toString().toStdString(), "Not compared");
    EXPECT_TRUE(window->Table()->isColumnHidden(workstation::CDeviceCompareModel::kRouteTable));

    window = workstation::ShowConfigRouteComparison(m_window->MdiArea(), {"core-r1", "dist-sw1", "edge-r9"},
                                                    Audit(), LocalDefault(), 3);
    ASSERT_TRUE(window);
    workstation::CDeviceCompareModel& both = *window->Model();
    EXPECT_EQ(both.index(0, 1).data().toString().toStdString(), "Different: 1 line added");
    EXPECT_EQ(both.index(2, 2).data().toString().toStdString(), "Only in the second");
    EXPECT_TRUE(window->Summary()->text().contains("<b>Route table:</b> 1 only in the second, 2 in neither"))
        << window->Summary()->text().toStdString();
    // The device cell opens the configuration comparison; a cell with no file opens nothing.
    ASSERT_TRUE(window->OpenCell(both.index(0, 0)));
    ASSERT_EQ(m_starter.commandLines.size(), 1u);
    EXPECT_NE(m_starter.commandLines[0].find("Audit/LiveConfig/core-r1.config"), std::string::npos);
    EXPECT_FALSE(window->OpenCell(both.index(1, 1)));
}

TEST_F(ComparisonWindows, SameDataSaysSoAndAFailedExportOrAVanishedDataFolderIsSaid)
{
    workstation::CDataFolderReportWindow* window =
        workstation::ShowDataFolderComparison(m_window->MdiArea(), Audit(), Audit());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Model()->rowCount(), 0);
    EXPECT_TRUE(window->Summary()->text().contains("<b>No differences.</b>"));
    EXPECT_FALSE(window->OpenButton()->isEnabled());

    const std::string target = m_tmp / "no such folder/report.txt";
    m_prompter.ExpectFiles({target});
    m_prompter.ExpectMessage("The report cannot be saved to " + target + ": No such file or directory.",
                             platform::BoxAnswer::Ok);
    EXPECT_FALSE(window->Export());
    EXPECT_FALSE(m_tmp.Exists("no such folder"));

    // A DataFolder gone after it was chosen is said, and opens nothing.
    const std::string gone = Project() + "DataFolders/Gone/";
    const std::string said = "The folder " + Project() + "DataFolders/Gone cannot be found: it was deleted, moved or "
                             "renamed.";
    m_prompter.ExpectMessage(said, platform::BoxAnswer::Ok).ExpectMessage(said, platform::BoxAnswer::Ok);
    const int windows = WindowCount();
    EXPECT_FALSE(workstation::ShowDataFolderComparison(m_window->MdiArea(), Audit(), gone));
    EXPECT_FALSE(workstation::ShowConfigRouteComparison(m_window->MdiArea(), {"core-r1"}, gone, Audit()));
    EXPECT_EQ(WindowCount(), windows);
}

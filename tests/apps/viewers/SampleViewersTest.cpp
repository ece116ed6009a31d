// The viewers on the bundled sample project, its captured logs imported with
// twdata as a user would: what they show, and (with TW_SCREENSHOT_DIR set)
// pictures of the configuration viewer and the table viewer.
#include "../twdata/TwdataRun.h"
#include "ViewerFixture.h"

#include "apps/workstation/viewers/CFindBar.h"
#include "apps/workstation/viewers/CTableFileModel.h"
#include "apps/workstation/viewers/CTextLinesView.h"

#include "host/adaptor/GuiRTCenter.h"
#include "host/adaptor/HostMessages.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The active viewer fills the MDI area, its title bar in sight.
void FillArea(workstation::MainWindow& window)
{
    QApplication::processEvents();
    window.MdiArea()->activeSubWindow()->setGeometry(window.MdiArea()->viewport()->rect());
}

void Screenshot(QWidget& window, const char* name)
{
    if (const char* dir = std::getenv("TW_SCREENSHOT_DIR")) {
        QApplication::processEvents();
        EXPECT_TRUE(window.grab().save(QString(dir) + "/" + name));
    }
}

} // namespace

TEST(SampleViewers, ConfigurationAndTablesOfTheSampleProject)
{
    twtest::TempDir tmp;
    std::string project;
    const auto imported = twtest::ImportSampleProject(tmp.Path(), project);
    ASSERT_EQ(imported.status, 0) << imported.err;

    twtest::ScriptedPrompter prompter;
    workstation::MainWindow window;
    window.resize(1280, 800);
    window.show();
    ASSERT_TRUE(window.OpenProject(project));
    workstation::CHostViewers& viewers = *window.Viewers();

    const std::string config = project + "DataFolders/2026-11-27 After change/LiveConfig/core-r1.config";
    hostmsg::ConfigViewRequest view;
    view.path = config.c_str();
    ASSERT_EQ(MessageDispatcher::Instance().CallReceiver(hostmsg::kConfigViewerReceiver, hostmsg::kViewConfig, 0,
                                                         reinterpret_cast<std::intptr_t>(&view)),
              1);
    ASSERT_EQ(viewers.ConfigViewers().size(), 1u);
    workstation::CConfigViewer& viewer = *viewers.ConfigViewers().front();
    const std::string text = twtest::ReadBytes(config);
    EXPECT_EQ(viewer.LineCount(), static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                                      (text.empty() || text.back() == '\n' ? 0 : 1));
    EXPECT_EQ(window.MdiArea()->activeSubWindow()->windowTitle().toStdString(),
              "core-r1.config \u2014 2026-11-27 After change");
    FillArea(window);
    viewer.ShowFindBar();
    viewer.FindBar()->Edit()->setText("interface");
    viewer.FindNext();
    viewer.FindNext();
    ASSERT_TRUE(viewer.FindBar()->Outcome().isEmpty());
    EXPECT_EQ(viewer.View()->SelectedText().left(9).toStdString(), "interface");
    Screenshot(window, "config-viewer.png");

    // The imported route table of the NX-OS switch, in the table viewer.
    const std::string route = project + "DataFolders/Local default/LiveRouteTable/nx-core1.ort";
    GuiRTCenter::Instance().SetSimulatedMode(false);
    GuiRTCenter::Instance().OpenRouteTable(route, 0, 0);
    ASSERT_EQ(viewers.TableViewers().size(), 1u);
    workstation::CTableViewer& table = *viewers.TableViewers().front();
    EXPECT_EQ(window.MdiArea()->activeSubWindow()->windowTitle().toStdString(),
              "Live route table of nx-core1 \u2014 Local default");
    const std::string tableText = twtest::ReadBytes(route);
    const int rows = static_cast<int>(std::count(tableText.begin(), tableText.end(), '\n')) - 1;
    ASSERT_GT(rows, 0);
    EXPECT_EQ(table.Model()->rowCount(), rows);
    EXPECT_EQ(table.Table()->model()->headerData(2, Qt::Horizontal).toString().toStdString(), "Network");
    table.Table()->sortByColumn(2, Qt::AscendingOrder);

    // The imported ARP table through receiver 11, filtered.
    const std::string arp = project + "DataFolders/Local default/LiveArpTable/core-r1.oat";
    ASSERT_EQ(MessageDispatcher::Instance().CallReceiver(hostmsg::kTableViewerReceiver, hostmsg::kViewArpTable,
                                                         reinterpret_cast<std::uintptr_t>(arp.c_str()), 0),
              1);
    workstation::CTableViewer& arpTable = *viewers.TableViewers().back();
    arpTable.SetFilterText("GigabitEthernet0/0");
    EXPECT_EQ(arpTable.RowCountText().toStdString(), "2 of 3 rows");
    FillArea(window);
    Screenshot(window, "table-viewer.png");
    window.MdiArea()->tileSubWindows();
    Screenshot(window, "viewers-tiled.png");
}

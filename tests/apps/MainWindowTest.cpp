// The main window follows the open project: title, Close Project, and a
// folder that is no project is refused with a message.
#include "apps/workstation/ChooseDataFolderDialog.h"
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/viewers/CConfigViewer.h"
#include "apps/workstation/viewers/CTableViewer.h"
#include "CampusWorkstation.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include "host/baseline/CBaseline.h"
#include "host/netutil/TableFile.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>

#include <cstdlib>
#include <string>
#include <vector>

TEST(MainWindow, TitleFollowsTheOpenProject)
{
    twtest::TempDir tmp;
    ASSERT_TRUE(TWFileSystem::CreateProject(tmp.Path() + "campus/", "Campus East"));
    workstation::MainWindow window;
    ASSERT_TRUE(window.OpenProject(tmp.Path() + "campus/"));
    EXPECT_EQ(window.windowTitle().toStdString(), "Workspace - Campus East");
    auto* close = window.findChild<QAction*>("actionCloseProject");
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isEnabled());

    close->trigger();
    EXPECT_EQ(CBaseline::Instance(), nullptr);
    EXPECT_FALSE(close->isEnabled());
    EXPECT_EQ(window.windowTitle().toStdString(), "Tarnwick Workstation");
}

TEST(MainWindow, FolderWithoutProjectIsRefused)
{
    twtest::TempDir tmp;
    twtest::ScriptedPrompter prompter;
    prompter.ExpectMessage("'" + tmp.Path() + "' is not a Tarnwick project: it holds no Workspace.ini.",
                           platform::BoxAnswer::Ok);
    workstation::MainWindow window;
    EXPECT_FALSE(window.OpenProject(tmp.Path()));
    EXPECT_EQ(CBaseline::Instance(), nullptr);
}

using MainWindowWithModule = twtest::CampusWorkstation;

// The workstation loads the module as a plug-in; opening a project then fills
// the toolbar picker through the service: the current DataFolder, eight
// others, "New..." and "More...".
TEST_F(MainWindowWithModule, ToolbarPickerFollowsTheProject)
{
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(tmp.MakeDir("campus/DataFolders/Audit " + std::to_string(100 + i)));

    {
        workstation::MainWindow window(&module);
        window.show();
        ASSERT_TRUE(window.OpenProject(project));
        auto* picker = qobject_cast<QComboBox*>(window.ToolbarPicker());
        ASSERT_NE(picker, nullptr);
        ASSERT_EQ(picker->count(), 11);
        EXPECT_EQ(picker->currentText().toStdString(), "Local default");
        EXPECT_EQ(picker->itemText(9).toStdString(), "New...");
        EXPECT_EQ(picker->itemText(10).toStdString(), "More...");

        if (const char* dir = std::getenv("TW_SCREENSHOT_DIR")) {
            picker->showPopup();
            picker->view()->window()->grab().save(QString(dir) + "/toolbar-picker.png");
            picker->hidePopup();
        }
        window.CloseProject();
        EXPECT_EQ(picker->count(), 0);
    }
}

// The DataFolder menu acts on the open project through the service: Lock
// toggles the current DataFolder, Delete asks which one and then confirms.
TEST_F(MainWindowWithModule, DataFolderMenuLocksAndDeletes)
{
    ASSERT_TRUE(tmp.MakeDir("campus/DataFolders/Old audit"));

    workstation::MainWindow window(&module);
    ASSERT_TRUE(window.OpenProject(project));
    auto* menu = window.findChild<QMenu*>("menuDataFolder");
    auto* lock = window.findChild<QAction*>("actionLockDataFolder");
    auto* remove = window.findChild<QAction*>("actionDeleteDataFolder");
    ASSERT_TRUE(menu && lock && remove);

    emit menu->aboutToShow();
    EXPECT_EQ(lock->text().toStdString(), "Lock");
    lock->trigger();
    EXPECT_NE(tmp.ReadFile("campus/DataFolders/Local default/TheDataset.Desc").find("<IsLocked>True</IsLocked>"),
              std::string::npos);
    emit menu->aboutToShow();
    EXPECT_EQ(lock->text().toStdString(), "UnLock");

    twtest::ModalDriver driver;
    twtest::ScriptedPrompter prompter;
    driver.Expect([](QDialog& dialog) {
        auto* list = platform::Control<QComboBox>(&dialog, workstation::ChooseDataFolderDialog::kListId);
        list->setCurrentIndex(list->findText("Old audit"));
        return int(QDialog::Accepted);
    });
    prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", platform::BoxAnswer::Yes);
    remove->trigger();
    EXPECT_FALSE(tmp.Exists("campus/DataFolders/Old audit"));
    auto* picker = qobject_cast<QComboBox*>(window.ToolbarPicker());
    EXPECT_EQ(picker->findText("Old audit"), -1);
    window.CloseProject();
}

// View DataFolder... and Select DataFolder... open the module's dialogs.
TEST_F(MainWindowWithModule, DataFolderMenuOpensTheModulesDialogs)
{
    workstation::MainWindow window(&module);
    ASSERT_TRUE(window.OpenProject(project));

    std::vector<std::string> titles;
    twtest::ModalDriver driver;
    for (int i = 0; i < 2; ++i)
        driver.Expect([&titles](QDialog& dialog) {
            titles.push_back(dialog.windowTitle().toStdString());
            if (const char* dir = std::getenv("TW_SCREENSHOT_DIR"))
                dialog.grab().save(QString(dir) + "/" + dialog.windowTitle() + ".png");
            return int(QDialog::Rejected);
        });
    window.findChild<QAction*>("actionViewDataFolder")->trigger();
    window.findChild<QAction*>("actionSelectDataFolder")->trigger();
    EXPECT_EQ(titles, (std::vector<std::string>{"DataFolder View", "Select DataFolder"}));
    window.CloseProject();
}

// DataFolder > Open in Browser shows the current DataFolder's files in the
// module's browser, inside the window's MDI area; closing the project closes it.
TEST_F(MainWindowWithModule, OpenInBrowserShowsTheCurrentDataFolderInTheMdiArea)
{
    ASSERT_TRUE(tmp.WriteFile("campus/DataFolders/Local default/LiveConfig/core-r1.config", "hostname core-r1\n"));
    ASSERT_TRUE(tmp.WriteFile("campus/DataFolders/Local default/LiveConfig/dist-sw1.config", "hostname dist-sw1\n"));
    ASSERT_TRUE(tmp.WriteFile("campus/DataFolders/Local default/LiveRouteTable/core-r1.ort", "x"));
    workstation::MainWindow window(&module);
    window.show();
    ASSERT_TRUE(window.OpenProject(project));

    auto* open = window.findChild<QAction*>("actionOpenInBrowser");
    ASSERT_NE(open, nullptr);
    open->trigger();
    ASSERT_EQ(window.MdiArea()->subWindowList().size(), 1);
    QMdiSubWindow* browser = window.MdiArea()->subWindowList().front();
    EXPECT_EQ(browser->windowTitle().toStdString(), "Local default");
    auto* tabs = platform::Control<QTabWidget>(browser, 475);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 6);
    EXPECT_EQ(tabs->tabText(0).toStdString(), "Configuration File");
    auto* list = platform::Control<QAbstractItemView>(tabs->widget(0), 595);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->model()->rowCount(), 2);
    if (const char* dir = std::getenv("TW_SCREENSHOT_DIR"))
        window.grab().save(QString(dir) + "/datafolder-browser.png");

    open->trigger();   // the same window again, its tabs replaced
    EXPECT_EQ(window.MdiArea()->subWindowList().size(), 1);
    window.CloseProject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.MdiArea()->subWindowList().isEmpty());
}

template <typename Viewer>
Viewer* OpenViewer(QMdiArea* area)
{
    for (QMdiSubWindow* window : area->subWindowList())
        if (auto* viewer = qobject_cast<Viewer*>(window->widget()))
            return viewer;
    return nullptr;
}

// A double click in the browser reaches the workstation's own viewers: the
// module's request travels through the host's dispatcher to a real window.
TEST_F(MainWindowWithModule, BrowserRowsOpenInTheWorkstationsViewers)
{
    const std::string dataFolder = project + "DataFolders/Local default/";
    ASSERT_TRUE(tmp.WriteFile("campus/DataFolders/Local default/LiveConfig/core-r1.config",
                              "hostname core-r1\ninterface Gi0/0\n"));
    ASSERT_TRUE(tmp.MakeDir("campus/DataFolders/Local default/LiveArpTable"));
    ASSERT_TRUE(TableFile::Write(dataFolder + "LiveArpTable/core-r1.oat",
                                 {"protocol", "address", "age", "mac", "type", "interface"},
                                 {{"Internet", "10.0.0.2", "3", "0011.2233.4455", "ARPA", "Gi0/0"}}));
    workstation::MainWindow window(&module);
    window.show();
    ASSERT_TRUE(window.OpenProject(project));
    window.findChild<QAction*>("actionOpenInBrowser")->trigger();
    ASSERT_FALSE(window.MdiArea()->subWindowList().isEmpty());
    auto* tabs = platform::Control<QTabWidget>(window.MdiArea()->subWindowList().front(), 475);
    ASSERT_NE(tabs, nullptr);

    const auto doubleClickFirstRow = [&](int tab) {
        tabs->setCurrentIndex(tab);
        auto* list = platform::Control<QAbstractItemView>(tabs->widget(tab), 595);
        ASSERT_TRUE(list && list->model()->rowCount() == 1);
        const QModelIndex first = list->model()->index(0, 0);
        list->setCurrentIndex(first);
        emit list->doubleClicked(first);
    };
    doubleClickFirstRow(0);
    auto* config = OpenViewer<workstation::CConfigViewer>(window.MdiArea());
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(config->Path(), dataFolder + "LiveConfig/core-r1.config");

    doubleClickFirstRow(2);   // "ARP Table"
    auto* table = OpenViewer<workstation::CTableViewer>(window.MdiArea());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Path(), dataFolder + "LiveArpTable/core-r1.oat");
    if (const char* dir = std::getenv("TW_SCREENSHOT_DIR")) {
        window.MdiArea()->tileSubWindows();
        window.grab().save(QString(dir) + "/browser-and-viewers.png");
    }
    window.CloseProject();
}

// Import Show Command Results... into a locked DataFolder asks first, before
// any file is chosen, and stops on No.
TEST_F(MainWindowWithModule, ImportAsksBeforeWritingIntoALockedDataFolder)
{
    ASSERT_TRUE(tmp.WriteFile("campus/DataFolders/Local default/TheDataset.Desc",
                              "<DatasetDesc><IsLocked>True</IsLocked></DatasetDesc>"));
    workstation::MainWindow window(&module);
    ASSERT_TRUE(window.OpenProject(project));
    auto* importFiles = window.findChild<QAction*>("actionImportShowCommandFiles");
    auto* importFolder = window.findChild<QAction*>("actionImportShowCommandFolder");
    ASSERT_TRUE(importFiles && importFolder);

    const std::string question =
        "'Local default' is the read-only DataFolder. \nYou can use another DataFolder to save your data, \n"
        "otherwise the data in 'Local default' will be overwritten.\nAre you sure to continue?";
    twtest::ScriptedPrompter::MessageCheck exclamation;
    exclamation.icon = platform::BoxIcon::Exclamation;
    exclamation.buttons = platform::BoxButtons::YesNo;
    {
        twtest::ScriptedPrompter prompter;
        prompter.ExpectMessage(question, platform::BoxAnswer::No, exclamation);
        importFiles->trigger();
        prompter.ExpectMessage(question, platform::BoxAnswer::No, exclamation);
        importFolder->trigger();
    }
    {
        // Yes goes on to the choice of logs (cancelled here).
        twtest::ScriptedPrompter prompter;
        prompter.ExpectMessage(question, platform::BoxAnswer::Yes, exclamation).ExpectFiles({});
        importFiles->trigger();
    }
    window.CloseProject();
}

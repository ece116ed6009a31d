// The workstation as an engineer uses it, in a real X server: the real main
// window with the module loaded as at start, on a copy of the sample project.
// One DataFolder goes from creation to deletion; every step checks the files
// on disk and what the windows show.
#include "e2e/XServer.h"

#include "apps/workstation/CDataFolderDock.h"
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/ModuleLoader.h"
#include "apps/workstation/SampleProject.h"
#include "apps/workstation/viewers/CDataFolderReportWindow.h"
#include "guidataset/dataset/CDatafolderPanelDlg.h"
#include "guidataset/dataset/CDatafolderTreeAdapter.h"
#include "guidataset/dataset/CDatasetTreeCtrl.h"
#include "guidataset/resources/DatafolderBrowserIds.h"
#include "guidataset/resources/DatafolderPanelIds.h"
#include "guidataset/resources/DlgSelect2DatasetIds.h"
#include "guidataset/resources/DovrelDataSetNewIds.h"
#include "guidataset/resources/ShowCommandResultsDlgIds.h"
#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/baseline/CBaseline.h"
#include "host/compare/DataFolderReport.h"
#include "host/util/CFileName.h"
#include "host/util/tagDataSetInfo.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FindFiles.h"
#include "platform/qt/ControlId.h"
#include "support/DataFolderPicker.h"
#include "support/ModalDriver.h"
#include "support/ScopedProfile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidgetItem>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using platform::BoxAnswer;
using twtest::ChooseDataFolder;
using twtest::ModalDriver;

namespace {

constexpr const char* kAudit = "2026-11-20 Core audit";
constexpr const char* kAfterChange = "2026-11-27 After change";
constexpr int kShowCommandTab = 5;

class WorkstationEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!twtest::EndToEndSkipReason().empty())
            GTEST_SKIP() << "End-to-end test skipped: " << twtest::EndToEndSkipReason();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        workstation::SampleProject sample(TW_SOURCE_DIR "/samples/sample-project/", m_tmp / "Sample Project/");
        std::string error;
        m_project = sample.EnsureUserCopy(error);
        ASSERT_FALSE(m_project.empty()) << error;
        ASSERT_TRUE(m_module.Load(TW_BINARY_DIR "/bin")) << m_module.Error();
        m_window = std::make_unique<workstation::MainWindow>(&m_module);
        m_window->resize(1200, 800);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void TearDown() override
    {
        if (m_window)
            m_window->CloseProject();
        m_window.reset();
    }

    std::string DataFolder(const std::string& name) const { return m_project + "DataFolders/" + name + "/"; }
    QAction* Action(const char* name) const { return m_window->findChild<QAction*>(name); }

    CDatasetTreeCtrl* Tree() const
    {
        auto* panel = dynamic_cast<CDatafolderPanelDlg*>(m_window->DataFolderDock()->widget());
        return panel ? panel->Tree() : nullptr;
    }
    QTreeWidgetItem* Item(const std::string& text) const
    {
        CDatasetTreeCtrl* tree = Tree();
        for (int i = 0; tree && i < tree->topLevelItemCount(); ++i)
            if (tree->topLevelItem(i)->text(0).toStdString() == text)
                return tree->topLevelItem(i);
        return nullptr;
    }
    // Right-clicks the item in the panel and picks the entry of the real
    // context menu by its text, with the keyboard as a user may.
    void ChooseFromContextMenu(const std::string& item, const QString& entry)
    {
        QTreeWidgetItem* at = Item(item);
        ASSERT_NE(at, nullptr) << item;
        bool chosen = false;
        QTimer::singleShot(200, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                if (action->text() == entry && action->isEnabled()) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    chosen = true;
                    return;
                }
            menu->close();
        });
        auto* panel = dynamic_cast<CDatafolderPanelDlg*>(m_window->DataFolderDock()->widget());
        panel->ShowContextMenu(Tree()->visualItemRect(at).center());
        EXPECT_TRUE(chosen) << "no enabled \"" << entry.toStdString() << "\" in the menu of " << item;
    }
    QMdiSubWindow* Browser() const
    {
        for (QMdiSubWindow* frame : m_window->MdiArea()->subWindowList())
            if (platform::Control<QTabWidget>(frame, ids::kIdcDatafolderTabs))
                return frame;
        return nullptr;
    }
    static QWidget* ResultsWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (platform::ControlId(widget) == kIddShowCommandResults && widget->isVisible())
                return widget;
        return nullptr;
    }
    static bool ChooseRow(QWidget* window, int id, const std::string& text)
    {
        auto* view = platform::Control<QAbstractItemView>(window, id);
        for (int row = 0; view && row < view->model()->rowCount(); ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            if (index.data().toString().toStdString() == text) {
                view->setCurrentIndex(index);
                return true;
            }
        }
        return false;
    }
    static std::string DescriptorOf(const std::string& folder)
    {
        std::string text;
        TWDataSet::GetFileContent(folder + "TheDataset.Desc", text);
        return text;
    }

    twtest::TempDir m_tmp;
    twtest::ScopedProfile m_profile{m_tmp / "profile.ini"};
    twtest::ScriptedPrompter m_prompter;
    workstation::ModuleLoader m_module;
    std::unique_ptr<workstation::MainWindow> m_window;
    std::string m_project;
};

} // namespace

TEST_F(WorkstationEndToEnd, ADataFolderFromCreationToDeletion)
{
    // Open the sample project: its DataFolders in the panel, the current one bold.
    ASSERT_TRUE(m_window->OpenProject(m_project));
    EXPECT_EQ(m_window->windowTitle().toStdString(), "Workspace - " + CBaseline::Instance()->GetName());
    ASSERT_TRUE(m_window->DataFolderDock()->isVisible());
    for (const char* name : {kAudit, kAfterChange, "Local default"})
        ASSERT_NE(Item(name), nullptr) << name;
    EXPECT_TRUE(Item(kAfterChange)->font(0).bold());

    // New DataFolder... from the menu.
    ModalDriver driver;
    driver.Expect([](QDialog& dialog) {
        EXPECT_TRUE(ModalDriver::FillText(dialog, kIdcDataSetNewName, "Site survey"));
        return ModalDriver::ClickStep(kIdcDataSetNewOk)(dialog);
    });
    Action("actionNewDataFolder")->trigger();
    const std::string survey = DataFolder("Site survey");
    ASSERT_TRUE(fs::is_directory(survey));
    EXPECT_TRUE(fs::is_regular_file(survey + "TheDataset.Desc"));
    ASSERT_NE(Item("Site survey"), nullptr);

    // Made current from the panel's context menu.
    ChooseFromContextMenu("Site survey", QStringLiteral("Set as Current DataFolder"));
    EXPECT_TRUE(Item("Site survey")->font(0).bold());
    EXPECT_EQ(CBaseline::Instance()->GetFileSystem()->GetDataSet()->GetCurrentDataSet(), survey);

    // Import the sample's captured logs into it; the summary is what a split
    // of the same logs reports.
    std::vector<std::string> logs;
    for (const auto& entry : fs::directory_iterator(m_project + "Captured logs"))
        logs.push_back(entry.path().string());
    ASSERT_FALSE(logs.empty());
    ASSERT_TRUE(m_tmp.MakeDir("reference"));
    SplitShowCmds reference;
    reference.setDataFolder(m_tmp / "reference/");
    for (const std::string& log : logs)
        reference.splitFile(log);
    bool askL2 = false;
    const std::string summary = reference.getStatString(askL2);
    m_prompter.ExpectFiles(logs).ExpectMessage(summary, askL2 ? BoxAnswer::No : BoxAnswer::Ok);
    Action("actionImportShowCommandFiles")->trigger();
    EXPECT_EQ(m_prompter.PendingCount(), 0u);
    const std::string results = TWFileSystem::GetLiveShowCommandDataFolder(survey);
    const auto resultFiles = platform::FindFiles(results + "*.txt");
    ASSERT_EQ(resultFiles.size(), platform::FindFiles(m_tmp / "reference/ShowCommand/*.txt").size());
    ASSERT_FALSE(resultFiles.empty());

    // A click on it in the panel opens it in the browser: its results listed.
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(Item("Site survey")).center());
    QMdiSubWindow* browser = Browser();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->windowTitle().toStdString(), "Site survey");
    auto* tabs = platform::Control<QTabWidget>(browser, ids::kIdcDatafolderTabs);
    tabs->setCurrentIndex(kShowCommandTab);
    auto* list = platform::Control<QAbstractItemView>(tabs->currentWidget(), ids::kIdcDatafolderList);
    ASSERT_NE(list, nullptr);
    EXPECT_GT(list->model()->rowCount(), 0);

    // One result in the results browser: the text shown is the file's.
    Action("actionShowCommandResults")->trigger();
    QWidget* resultsWindow = ResultsWindow();
    ASSERT_NE(resultsWindow, nullptr);
    ASSERT_TRUE(ChooseRow(resultsWindow, kIdcResultsDeviceList, "core-r1"));
    ASSERT_TRUE(ChooseRow(resultsWindow, kIdcResultsCommandList, "show ip route"));
    const std::string time =
        platform::Control<QComboBox>(resultsWindow, kIdcResultsTimeList)->currentText().toStdString();
    std::string content, resultText, note;
    ASSERT_TRUE(ReadShowCommandResult(
        results + CFileName::ToShowCommandResultFileName("core-r1", "show ip route", time, "txt"), content));
    SplitShowCommandResult(content, resultText, note);
    const QString shown = platform::Control<QPlainTextEdit>(resultsWindow, kIdcResultsText)->toPlainText();
    EXPECT_FALSE(resultText.empty());
    EXPECT_EQ(shown.trimmed().toStdString(), QString::fromStdString(resultText).remove('\r').trimmed().toStdString());
    platform::Control<QPushButton>(resultsWindow, kIdcResultsClose)->click();

    // Compare the sample's two DataFolders: the change report in the MDI area.
    driver.Expect([](QDialog& dialog) {
        ChooseDataFolder(dialog, kIdcSelect2DatasetFirstPicker, kAudit);
        ChooseDataFolder(dialog, kIdcSelect2DatasetSecondPicker, kAfterChange);
        ModalDriver::Click(dialog, kIdcSelect2DatasetOk);
        return dialog.result();
    });
    Action("actionCompareDataFolders")->trigger();
    workstation::CDataFolderReportWindow* report = nullptr;
    QMdiSubWindow* reportFrame = nullptr;
    for (QMdiSubWindow* frame : m_window->MdiArea()->subWindowList())
        if (auto* found = qobject_cast<workstation::CDataFolderReportWindow*>(frame->widget())) {
            report = found;
            reportFrame = frame;
            EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("Changes: %1 \u2192 %2").arg(kAudit, kAfterChange));
        }
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->Report().HasDifferences());
    EXPECT_EQ(report->Report().pathA, DataFolder(kAudit));
    EXPECT_EQ(report->Tree()->model()->rowCount(), static_cast<int>(report->Report().ChangedDevices().size()));
    reportFrame->close();

    // Lock and unlock from the panel: the descriptor and the icon follow.
    ChooseFromContextMenu("Site survey", QStringLiteral("Lock"));
    EXPECT_NE(DescriptorOf(survey).find("<IsLocked>True</IsLocked>"), std::string::npos);
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Site survey")), kIconLocked);
    ChooseFromContextMenu("Site survey", QStringLiteral("UnLock"));
    EXPECT_EQ(DescriptorOf(survey).find("<IsLocked>True</IsLocked>"), std::string::npos);
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Site survey")), kIconUnlocked);

    // Rename with F2 and typing in the label: the folder moves with its results.
    CDatasetTreeCtrl* tree = Tree();
    ASSERT_TRUE(tree->isVisible());
    tree->setCurrentItem(Item("Site survey"));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F2);
    QLineEdit* editor = nullptr;
    for (QLineEdit* edit : tree->findChildren<QLineEdit*>())
        if (edit->isVisible())
            editor = edit;
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "Site survey 2");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    const std::string renamed = DataFolder("Site survey 2");
    EXPECT_FALSE(fs::exists(survey));
    EXPECT_EQ(platform::FindFiles(TWFileSystem::GetLiveShowCommandDataFolder(renamed) + "*.txt").size(),
              resultFiles.size());
    ASSERT_NE(Item("Site survey 2"), nullptr);
    ASSERT_NE(Browser(), nullptr);
    EXPECT_EQ(Browser()->windowTitle().toStdString(), "Site survey 2");

    // Delete with Del, once it is no longer the current one: gone from disk,
    // the panel and the browser.
    ChooseFromContextMenu(kAfterChange, QStringLiteral("Set as Current DataFolder"));
    m_prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::Yes);
    tree->setCurrentItem(Item("Site survey 2"));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Delete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fs::exists(renamed));
    EXPECT_EQ(Item("Site survey 2"), nullptr);
    EXPECT_EQ(Browser(), nullptr);
    EXPECT_TRUE(fs::is_directory(DataFolder(kAudit)));
    EXPECT_TRUE(fs::is_directory(DataFolder(kAfterChange)));
}

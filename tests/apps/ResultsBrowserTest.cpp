// The show-command results browser in the workstation, on the sample project
// after its captured logs were imported with twdata: opened from the
// DataFolder menu on the imported results, closed and opened again, its
// Compare dialog, and Re-Execute telling the user that no device access is
// configured.
#include "twdata/TwdataRun.h"

#include "apps/workstation/CLiveAccessCenter.h"
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/ModuleLoader.h"
#include "guidataset/resources/CompareShowCommandDlgIds.h"
#include "guidataset/resources/ShowCommandResultsDlgIds.h"
#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CFileName.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QWidget* ResultsWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (platform::ControlId(widget) == kIddShowCommandResults && widget->isVisible())
            return widget;
    return nullptr;
}

// Selects the row of the list whose text is text; false when there is none.
bool ChooseRow(QWidget* window, int id, const std::string& text)
{
    auto* view = platform::Control<QAbstractItemView>(window, id);
    if (!view)
        return false;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex index = view->model()->index(row, 0);
        if (index.data().toString().toStdString() == text) {
            view->setCurrentIndex(index);
            return true;
        }
    }
    return false;
}

} // namespace

TEST(ResultsBrowserEndToEnd, ImportedResultsAreListedShownAndReopenedFromTheMenu)
{
    twtest::TempDir tmp;
    std::string project;
    const auto imported = twtest::ImportSampleProject(tmp.Path(), project);
    ASSERT_EQ(imported.status, 0) << imported.err;

    twtest::ScriptedPrompter prompter;
    workstation::ModuleLoader module;
    ASSERT_TRUE(module.Load(TW_BINARY_DIR "/bin")) << module.Error();
    workstation::MainWindow window(&module);
    window.show();
    ASSERT_TRUE(window.OpenProject(project));
    const std::string folder =
        TWFileSystem::GetLiveShowCommandDataFolder(CBaseline::Instance()->GetFileSystem()->GetDataSet()->GetCurrentDataSet());

    auto* open = window.findChild<QAction*>("actionShowCommandResults");
    ASSERT_NE(open, nullptr);
    open->trigger();
    QWidget* results = ResultsWindow();
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(ChooseRow(results, kIdcResultsDeviceList, "core-r1"));
    ASSERT_TRUE(ChooseRow(results, kIdcResultsCommandList, "show ip route"));
    auto* times = platform::Control<QComboBox>(results, kIdcResultsTimeList);
    ASSERT_EQ(times->count(), 2);   // the command ran twice in the captured session
    const std::string time = times->currentText().toStdString();
    const std::string file =
        folder + CFileName::ToShowCommandResultFileName("core-r1", "show ip route", time, "txt");

    auto* text = platform::Control<QPlainTextEdit>(results, kIdcResultsText);
    ASSERT_NE(text, nullptr);
    std::string content, resultText, note;
    ASSERT_TRUE(ReadShowCommandResult(file, content));
    SplitShowCommandResult(content, resultText, note);
    EXPECT_FALSE(resultText.empty());
    EXPECT_EQ(text->toPlainText().trimmed().toStdString(),
              QString::fromStdString(resultText).remove('\r').trimmed().toStdString());
    if (const char* dir = std::getenv("TW_SCREENSHOT_DIR"))
        results->grab().save(QString(dir) + "/results-browser.png");

    // Closed and opened again from the menu.
    platform::Control<QPushButton>(results, kIdcResultsClose)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(ResultsWindow(), nullptr);
    open->trigger();
    results = ResultsWindow();
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(ChooseRow(results, kIdcResultsDeviceList, "core-r1"));
    ASSERT_TRUE(ChooseRow(results, kIdcResultsCommandList, "show ip route"));
    times = platform::Control<QComboBox>(results, kIdcResultsTimeList);

    // Compare opens the two-sided dialog on this device and DataFolder.
    twtest::ModalDriver driver;
    driver.Expect([&](QDialog& compare) {
        EXPECT_EQ(twtest::ModalDriver::Text(compare, kIdcCompareShowCommandDevice), "core-r1");
        if (const char* dir = std::getenv("TW_SCREENSHOT_DIR"))
            compare.grab().save(QString(dir) + "/results-compare.png");
        return QDialog::Rejected;
    });
    platform::Control<QPushButton>(results, kIdcResultsCompare)->click();
    EXPECT_EQ(driver.PendingCount(), 0u);

    // Without device access nothing runs and nothing is listed.
    prompter.ExpectMessage(workstation::CLiveAccessCenter::NoAccessMessage("core-r1", "show ip route"),
                           platform::BoxAnswer::Ok);
    platform::Control<QToolButton>(results, kIdcResultsReExecute)->click();
    EXPECT_EQ(times->count(), 2);
    window.CloseProject();
    EXPECT_EQ(ResultsWindow(), nullptr);
}

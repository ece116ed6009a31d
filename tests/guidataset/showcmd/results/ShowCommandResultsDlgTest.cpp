// The show-command results browser driven as a user drives it: what it lists
// and shows, what reaches the disk when a note or formatting is saved, what
// it refuses and says, and what reaches the live access, the compare dialog,
// the export and the service that keeps the one window.
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/resources/CompareShowCommandDlgIds.h"
#include "guidataset/resources/ShowCommandResultsDlgIds.h"
#include "guidataset/showcmd/CShowCommandResultsDlg.h"
#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/guiutil/CInputMessageDlg.h"
#include "host/guiutil/CSerialEdit.h"
#include "host/util/CFileName.h"
#include "platform/qt/ControlId.h"
#include "support/CampusProject.h"
#include "support/ModalDriver.h"
#include "support/RecordingGuiCenter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QToolButton>

#include <gmock/gmock.h>

#include <filesystem>

using platform::BoxAnswer;
using testing::ElementsAre;
using twtest::ModalDriver;
using twtest::ScriptedPrompter;

namespace {

constexpr const char* kRoute = "show ip route";
constexpr const char* kVersion = "show version";
constexpr const char* kT1 = "2024-05-01 10-00-00.000";
constexpr const char* kT2 = "2024-05-02 10-00-00.000";
constexpr const char* kT3 = "2024-05-03 10-00-00.000";
const std::string kSeparator(kShowCommandNoteSeparator);

using twtest::RecordingLiveAccess;

// The campus project's DataFolder "Audit" with three executions of a route
// command and one of a version command on core-r1, one result of dist-sw1,
// and names that are no results; "Field Lab" has no ShowCommand folder.
class ResultsBrowser : public twtest::CampusProject {
protected:
    ResultsBrowser()
    {
        Put("core-r1", kRoute, kT1, "route one\r\nline two\r\n");
        Put("core-r1", kVersion, kT1, "IOS 15\r\n");
        Put("core-r1", kRoute, kT2, "route two\r\n" + kSeparator + "checked by NOC");
        Put("core-r1", kRoute, kT3, "route three\r\n");
        Put("dist-sw1", "show mac address-table", kT1, "mac\r\n");
        EXPECT_TRUE(temp.WriteFile("campus/DataFolders/Audit/ShowCommand/readme.txt", "not a result"));
        EXPECT_TRUE(temp.WriteFile("campus/DataFolders/Audit/ShowCommand/half$name.txt", "not a result"));
        dialog = new CShowCommandResultsDlg(&slot);
        slot = dialog;
    }
    ~ResultsBrowser() override { delete slot; }

    std::string Folder() const { return project + "DataFolders/Audit/ShowCommand/"; }
    std::string Path(const std::string& device, const std::string& command, const std::string& time) const
    {
        return Folder() + CFileName::ToShowCommandResultFileName(device, command, time, "txt");
    }
    void Put(const std::string& device, const std::string& command, const std::string& time,
             const std::string& content)
    {
        EXPECT_TRUE(twtest::WriteBytes(Path(device, command, time), content));
    }

    template <class T>
    T* Get(int id) const
    {
        auto* control = platform::Control<T>(dialog, id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    std::vector<std::string> Rows(int id) const
    {
        std::vector<std::string> rows;
        QAbstractItemModel* model = Get<QAbstractItemView>(id)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows.push_back(model->index(row, 0).data().toString().toStdString());
        return rows;
    }
    std::vector<std::string> Times() const { return Items(*dialog, kIdcResultsTimeList); }
    void ChooseRow(int id, int row) const
    {
        auto* view = Get<QAbstractItemView>(id);
        view->setCurrentIndex(view->model()->index(row, 0));
    }
    void ChooseTime(int index) const { Get<QComboBox>(kIdcResultsTimeList)->setCurrentIndex(index); }
    CSerialEdit* Text() const { return Get<CSerialEdit>(kIdcResultsText); }
    QPlainTextEdit* Note() const { return Get<QPlainTextEdit>(kIdcResultsNote); }
    std::string Status() const { return Get<QLabel>(kIdcResultsStatus)->text().toStdString(); }
    bool Enabled(int id) const { return Get<QWidget>(id)->isEnabled(); }

    QWidget* slot = nullptr;
    CShowCommandResultsDlg* dialog = nullptr;
};

} // namespace

TEST_F(ResultsBrowser, ListsDevicesCommandsAndExecutionsAndStepsBetweenThem)
{
    dialog->OpenDataFolder(project + "DataFolders/Audit/", "core-r1");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Show Command Results Browser");
    EXPECT_THAT(Rows(kIdcResultsDeviceList), testing::UnorderedElementsAre("core-r1", "dist-sw1"));
    EXPECT_THAT(Rows(kIdcResultsCommandList), testing::UnorderedElementsAre(kRoute, kVersion));
    const bool routeFirst = Rows(kIdcResultsCommandList).front() == kRoute;
    ChooseRow(kIdcResultsCommandList, routeFirst ? 0 : 1);
    EXPECT_THAT(Times(), testing::UnorderedElementsAre(kT1, kT2, kT3));
    EXPECT_EQ(Get<QComboBox>(kIdcResultsTimeList)->currentIndex(), 0);
    EXPECT_FALSE(Enabled(kIdcResultsPrevious));
    EXPECT_TRUE(Enabled(kIdcResultsNext));

    // Each step shows that execution's text, and its note from the file.
    for (int i = 0; i < 3; ++i) {
        const std::string time = Times()[static_cast<std::size_t>(i)];
        EXPECT_EQ(dialog->CurrentFile(), Path("core-r1", kRoute, time));
        EXPECT_EQ(Text()->GetPlainTextContent().substr(0, 5), "route");
        EXPECT_EQ(Note()->toPlainText().toStdString(), time == kT2 ? "checked by NOC" : "");
        if (i < 2)
            Get<QToolButton>(kIdcResultsNext)->click();
    }
    EXPECT_TRUE(Enabled(kIdcResultsPrevious));
    EXPECT_FALSE(Enabled(kIdcResultsNext));
    Get<QToolButton>(kIdcResultsPrevious)->click();
    EXPECT_EQ(dialog->CurrentFile(), Path("core-r1", kRoute, Times()[1]));
    EXPECT_EQ(Note()->toPlainText().toStdString(), Times()[1] == kT2 ? "checked by NOC" : "");

    // One execution only: no step either way.
    ChooseRow(kIdcResultsCommandList, routeFirst ? 1 : 0);
    EXPECT_THAT(Times(), ElementsAre(kT1));
    EXPECT_FALSE(Enabled(kIdcResultsPrevious));
    EXPECT_FALSE(Enabled(kIdcResultsNext));
    EXPECT_EQ(Text()->GetPlainTextContent(), "IOS 15\n");
}

TEST_F(ResultsBrowser, EachEntryPointOpensWhereItSays)
{
    // At one result file: that DataFolder, device, command and execution.
    dialog->OpenResultFile(Path("core-r1", kRoute, kT3));
    EXPECT_EQ(dialog->DataFolderPath(), project + "DataFolders/Audit/");
    EXPECT_EQ(dialog->CurrentFile(), Path("core-r1", kRoute, kT3));
    EXPECT_TRUE(Enabled(kIdcResultsDataFolderPicker));

    // A set of devices from a time on: unknown devices are left out, older
    // executions are not listed, the picker shows the title and is locked.
    dialog->OpenDevices({"core-r1", "ghost-r9"}, project + "DataFolders/Audit/", kT2, "Audit since May 2", "");
    EXPECT_THAT(Rows(kIdcResultsDeviceList), ElementsAre("core-r1"));
    EXPECT_THAT(Rows(kIdcResultsCommandList), ElementsAre(kRoute));
    EXPECT_THAT(Times(), testing::UnorderedElementsAre(kT2, kT3));
    EXPECT_EQ(Get<QComboBox>(kIdcResultsDataFolderPicker)->currentText().toStdString(), "Audit since May 2");
    EXPECT_FALSE(Enabled(kIdcResultsDataFolderPicker));

    // A DataFolder without show-command results says so.
    dialog->OpenDataFolder("Field Lab", "");
    EXPECT_TRUE(Rows(kIdcResultsDeviceList).empty());
    EXPECT_EQ(Status(), "This DataFolder holds no show-command results.");
    EXPECT_FALSE(Enabled(kIdcResultsCompare));
}

TEST_F(ResultsBrowser, NoteAndFormattingAreSavedAndComeBackOnReopening)
{
    dialog->OpenResultFile(Path("core-r1", kRoute, kT1));
    Note()->setPlainText("seen twice\nby NOC");
    QTextCursor cursor(Text()->document());
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    Text()->setTextCursor(cursor);
    Text()->SetBold(true);
    Get<QToolButton>(kIdcResultsSave)->click();
    EXPECT_TRUE(twtest::SameText("route one\r\nline two\r\n" + kSeparator + "seen twice\r\nby NOC",
                                 twtest::ReadBytes(Path("core-r1", kRoute, kT1))));
    EXPECT_EQ(twtest::ReadBytes(Path("core-r1", kRoute, kT1) + ".rtf").substr(0, 5), "{\\rtf");

    // A new window shows the companion's formatting and the file's note.
    delete slot;
    dialog = new CShowCommandResultsDlg(&slot);
    slot = dialog;
    dialog->OpenResultFile(Path("core-r1", kRoute, kT1));
    EXPECT_EQ(Note()->toPlainText().toStdString(), "seen twice\nby NOC");
    EXPECT_EQ(Text()->GetPlainTextContent(), "route one\nline two\n");
    QTextCursor at(Text()->document());
    at.setPosition(2);
    EXPECT_EQ(at.charFormat().fontWeight(), QFont::Bold);
    at.setPosition(8);
    EXPECT_NE(at.charFormat().fontWeight(), QFont::Bold);
    // The next result without formatting takes none of this one's.
    at.setPosition(2);
    Text()->setTextCursor(at);
    dialog->OpenResultFile(Path("core-r1", kRoute, kT3));
    QTextCursor plain(Text()->document());
    plain.setPosition(2);
    EXPECT_NE(plain.charFormat().fontWeight(), QFont::Bold);
    dialog->OpenResultFile(Path("core-r1", kRoute, kT1));

    // An empty note takes the separator away.
    Note()->clear();
    Get<QToolButton>(kIdcResultsSave)->click();
    EXPECT_EQ(twtest::ReadBytes(Path("core-r1", kRoute, kT1)), "route one\r\nline two\r\n");
}

TEST_F(ResultsBrowser, LeavingAChangedResultAsksAndNoLeavesTheFileAsItWas)
{
    dialog->OpenResultFile(Path("core-r1", kRoute, kT3));
    const int shown = Get<QComboBox>(kIdcResultsTimeList)->currentIndex();
    const std::string before = twtest::ReadBytes(Path("core-r1", kRoute, kT3));
    ScriptedPrompter::MessageCheck warning;
    warning.icon = platform::BoxIcon::Exclamation;
    warning.buttons = platform::BoxButtons::YesNo;
    prompter.ExpectMessage("Do you want to save the modifications?", BoxAnswer::No, warning);
    Note()->setPlainText("draft");
    ChooseTime(shown == 0 ? 1 : 0);
    EXPECT_EQ(twtest::ReadBytes(Path("core-r1", kRoute, kT3)), before);

    // Yes writes before the switch.
    prompter.ExpectMessage("Do you want to save the modifications?", BoxAnswer::Yes, warning);
    const std::string file = dialog->CurrentFile();
    Note()->setPlainText("kept");
    ChooseTime(shown);
    std::string resultText, note;
    std::string content;
    ASSERT_TRUE(ReadShowCommandResult(file, content));
    SplitShowCommandResult(content, resultText, note);
    EXPECT_EQ(note, "kept");
    EXPECT_EQ(dialog->CurrentFile(), Path("core-r1", kRoute, kT3));
}

TEST_F(ResultsBrowser, NotesThatTheFileCannotHoldAreRefusedAndNothingIsLost)
{
    dialog->OpenResultFile(Path("core-r1", kRoute, kT3));
    const std::string file = dialog->CurrentFile();
    const std::string before = twtest::ReadBytes(file);

    // The edit takes 2048 characters and refuses more.
    Note()->setPlainText(QString(2048, 'n'));
    Note()->setPlainText(QString(2049, 'n'));
    EXPECT_EQ(Note()->toPlainText().size(), 2048);

    // The separator's line in a note is refused, and the user stays on the result.
    const std::string refusal = "The note holds the line \"-- 0x#0x$0xa0xb0x$0x# --\", which the result file uses "
                                "to mark where the note begins. Change that line, then save again; nothing was saved.";
    Note()->setPlainText("before\n-- 0x#0x$0xa0xb0x$0x# --\nafter");
    prompter.ExpectMessage(refusal, BoxAnswer::Ok);
    Get<QToolButton>(kIdcResultsSave)->click();
    const int shown = Get<QComboBox>(kIdcResultsTimeList)->currentIndex();
    prompter.ExpectMessage("Do you want to save the modifications?", BoxAnswer::Yes).ExpectMessage(refusal, BoxAnswer::Ok);
    ChooseTime(shown == 0 ? 1 : 0);
    EXPECT_EQ(Get<QComboBox>(kIdcResultsTimeList)->currentIndex(), shown);
    EXPECT_EQ(dialog->CurrentFile(), file);
    EXPECT_EQ(twtest::ReadBytes(file), before);
    EXPECT_THAT(Note()->toPlainText().toStdString(), testing::HasSubstr("after"));

    // The folder gone while the result is shown: the write fails, is said, and
    // the text stays in the window.
    std::filesystem::remove_all(Folder());
    Note()->setPlainText("still here");
    prompter.ExpectMessage("The result " + file.substr(Folder().size()) +
                               " could not be written, so it was left as it was: the DataFolder may be read-only or "
                               "missing. Your changes are still shown.",
                           BoxAnswer::Ok);
    Get<QToolButton>(kIdcResultsSave)->click();
    EXPECT_EQ(Note()->toPlainText().toStdString(), "still here");
}

TEST_F(ResultsBrowser, ACompanionIsShownInsteadOfThePlainTextUnlessItCannotBeRead)
{
    const std::string file = Path("core-r1", kRoute, kT2);
    for (const std::string& companion : {std::string(), std::string("plain words"), std::string("{\\rtf1 {\\b ")}) {
        ASSERT_TRUE(twtest::WriteBytes(file + ".rtf", companion));
        dialog->OpenResultFile(file);
        EXPECT_EQ(Text()->GetPlainTextContent(), "route two\n") << companion;
        EXPECT_THAT(Status(), testing::HasSubstr("The plain result is shown")) << companion;
        EXPECT_EQ(Note()->toPlainText().toStdString(), "checked by NOC");
    }
    ASSERT_TRUE(twtest::WriteBytes(file + ".rtf", "{\\rtf1\\ansi {\\b formatted} route\\par}"));
    dialog->OpenResultFile(Path("core-r1", kRoute, kT1));
    dialog->OpenResultFile(file);
    EXPECT_EQ(Text()->GetPlainTextContent().substr(0, 15), "formatted route");
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Note()->toPlainText().toStdString(), "checked by NOC");

    // A result removed while another is shown is said to be gone when reached.
    dialog->OpenResultFile(Path("core-r1", kRoute, kT1));
    const auto times = Times();
    const int third = static_cast<int>(std::find(times.begin(), times.end(), kT3) - times.begin());
    std::filesystem::remove(Path("core-r1", kRoute, kT3));
    ChooseTime(third);
    EXPECT_EQ(dialog->CurrentFile(), "");
    EXPECT_THAT(Status(), testing::HasSubstr("is no longer in the DataFolder"));
    EXPECT_FALSE(Note()->isEnabled());
}

TEST_F(ResultsBrowser, ReExecuteListsOnlyAResultThatTheLiveAccessWrote)
{
    dialog->OpenResultFile(Path("core-r1", kVersion, kT1));
    RecordingLiveAccess live;
    Get<QToolButton>(kIdcResultsReExecute)->click();   // no device answer: nothing changes
    ASSERT_EQ(live.calls.size(), 1u);
    EXPECT_THAT(live.calls[0], testing::StartsWith("core-r1|show version|" + Folder() + "core-r1$show version$"));
    EXPECT_THAT(Times(), ElementsAre(kT1));

    live.answer = "IOS 17\r\n";
    QTest::qWait(650);   // the button rests after each run
    Get<QToolButton>(kIdcResultsReExecute)->click();
    ASSERT_EQ(Times().size(), 2u);
    EXPECT_EQ(Get<QComboBox>(kIdcResultsTimeList)->currentIndex(), 1);
    EXPECT_EQ(Text()->GetPlainTextContent(), "IOS 17\n");
    EXPECT_TRUE(Enabled(kIdcResultsPrevious));

    twtest::RecordingGuiCenter gui;
    gui.restricted = true;
    QTest::qWait(650);
    Get<QToolButton>(kIdcResultsReExecute)->click();
    EXPECT_EQ(live.calls.size(), 2u);
}

TEST_F(ResultsBrowser, FindSelectsEachMatchIgnoringCaseAndForgetsAMissingKeyword)
{
    Put("core-r1", kVersion, kT2, "Gi0/1 up\r\ngi0/2 down\r\nGI0/3 up\r\n");
    dialog->OpenResultFile(Path("core-r1", kVersion, kT2));
    ModalDriver driver;
    driver.Expect([](QDialog& input) {
        EXPECT_EQ(input.windowTitle().toStdString(), "Find Text");
        ModalDriver::FillText(input, CInputMessageDlg::kIdcInput, "gi0/");
        return ModalDriver::ClickStep(CInputMessageDlg::kIdOk)(input);
    });
    dialog->AskAndFind();
    EXPECT_EQ(Text()->textCursor().selectionStart(), 0);
    EXPECT_EQ(Text()->textCursor().selectedText().toStdString(), "Gi0/");
    dialog->FindNext();
    EXPECT_EQ(Text()->textCursor().selectionStart(), 9);
    dialog->FindNext();
    EXPECT_EQ(Text()->textCursor().selectedText().toStdString(), "GI0/");
    dialog->FindNext();   // past the last: the keyword is forgotten
    EXPECT_THAT(Status(), testing::HasSubstr("was not found"));
    const int end = Text()->textCursor().selectionStart();
    dialog->FindNext();
    EXPECT_EQ(Text()->textCursor().selectionStart(), end);

    // Edits and formatting are followed: matches are found where they are now.
    QTextCursor edit(Text()->document());
    edit.insertText("Gi0/9 new\n");
    edit.setPosition(6);
    edit.setPosition(10, QTextCursor::KeepAnchor);
    edit.removeSelectedText();   // "Gi0/9 Gi0/1 up", then the result's other lines
    edit.setPosition(0);
    edit.setPosition(4, QTextCursor::KeepAnchor);
    Text()->setTextCursor(edit);
    Text()->SetBold(true);
    dialog->FindText("0/1");
    EXPECT_EQ(Text()->textCursor().selectionStart(), 8);
    dialog->FindText("GI0/3");
    EXPECT_EQ(Text()->textCursor().selectionStart(), 26);
}

// A long result is laid out only where it is shown: Find scrolls to a match
// near the end without laying out the lines before it, which froze the
// window for many seconds on a result of megabytes.
TEST_F(ResultsBrowser, FindInALongResultLaysOutOnlyWhatIsShown)
{
    std::string routes;
    for (int i = 0; i < 20000; ++i)
        routes += "O E2 10.0." + std::to_string(i / 256) + "." + std::to_string(i % 256) + "/32 via 192.168.1.2\r\n";
    Put("core-r1", kRoute, kT2, routes + "S* 0.0.0.0/0 via Tunnel4711\r\n");
    dialog->resize(800, 600);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    dialog->OpenResultFile(Path("core-r1", kRoute, kT2));
    dialog->FindText("tunnel4711");
    Text()->viewport()->repaint();
    EXPECT_EQ(Text()->textCursor().selectedText().toStdString(), "Tunnel4711");
    EXPECT_EQ(Text()->textCursor().block().blockNumber(), 20000);
    EXPECT_TRUE(Text()->viewport()->rect().contains(Text()->cursorRect())) << "the match is not scrolled into view";
    EXPECT_GT(Text()->textCursor().block().layout()->lineCount(), 0);
    for (int line : {100, 10000, 19000})
        EXPECT_EQ(Text()->document()->findBlockByNumber(line).layout()->lineCount(), 0) << "line " << line;
}

TEST_F(ResultsBrowser, CompareAndExportReachTheirDialogAndFiles)
{
    dialog->OpenResultFile(Path("core-r1", kRoute, kT2));
    ModalDriver driver;
    driver.Expect([](QDialog& compare) {
        EXPECT_EQ(ModalDriver::Text(compare, kIdcCompareShowCommandDevice), "core-r1");
        EXPECT_EQ(ModalDriver::Text(compare, kIdcCompareShowCommandFirstPicker), "Audit");
        return QDialog::Rejected;
    });
    Get<QPushButton>(kIdcResultsCompare)->click();
    EXPECT_EQ(driver.PendingCount(), 0u);

    prompter.ExpectFolder(temp / "out");
    ASSERT_TRUE(temp.MakeDir("out"));
    Get<QPushButton>(kIdcResultsExport)->click();
    EXPECT_TRUE(temp.Exists("out/core-r1.txt"));
    EXPECT_TRUE(temp.Exists("out/dist-sw1.txt"));
    EXPECT_THAT(temp.ReadFile("out/core-r1.txt"), testing::HasSubstr("route two\r\nNOTE here:checked by NOC"));
}

TEST_F(ResultsBrowser, TheServiceKeepsOneWindowUntilTheUserClosesIt)
{
    GuiDatasetCenterImpl* service = GuiDatasetCenterImpl::Instance();
    service->ViewShowCommandResult(Path("core-r1", kRoute, kT1), nullptr);
    const auto windows = [] {
        std::vector<CShowCommandResultsDlg*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* found = dynamic_cast<CShowCommandResultsDlg*>(w); found && found->isVisible())
                shown.push_back(found);
        return shown;
    };
    ASSERT_EQ(windows().size(), 1u);
    CShowCommandResultsDlg* first = windows().front();
    ASSERT_NE(first, nullptr);
    first->showMinimized();
    service->ViewShowCommandResult(nullptr, project + "DataFolders/Audit/", "dist-sw1");
    EXPECT_THAT(windows(), ElementsAre(first));
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(first->CurrentFile(), Path("dist-sw1", "show mac address-table", kT1));

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows().empty());
    service->ViewShowCommandResult(nullptr, project + "DataFolders/Audit/", "core-r1");
    EXPECT_EQ(windows().size(), 1u);
    service->CloseShowCommandResult();
}

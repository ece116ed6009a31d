#include "platform/qt/QtPrompter.h"
#include "platform/qt/WaitCursor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

using namespace platform;

namespace {

struct SeenBox {
    std::string title;
    std::string text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::vector<std::string> buttons;
};

// Once the box is up, records it and presses the button with the given text.
SeenBox AnswerNextBox(const QString& press, const std::function<void()>& show)
{
    SeenBox seen;
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box is up";
            return;
        }
        seen.title = box->windowTitle().toStdString();
        seen.text = box->text().toStdString();
        seen.icon = box->icon();
        QAbstractButton* target = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            QString label = b->text();
            label.remove(QLatin1Char('&'));
            seen.buttons.push_back(label.toStdString());
            if (label == press)
                target = b;
        }
        if (target)
            target->click();
        else
            box->reject();
    });
    show();
    return seen;
}

} // namespace

TEST(QtPrompter, BoxesCarryTheirTitlesIconsAndAnswers)
{
    QtPrompter qt;
    Prompter* previous = Prompter::Install(&qt);
    SetApplicationTitle("Project1 - Tarnwick Workstation");

    BoxAnswer answer = BoxAnswer::Ok;
    SeenBox seen = AnswerNextBox("No", [&] {
        answer = MessageBoxTW("Delete the DataFolder?", BoxIcon::Question, BoxButtons::YesNo);
    });
    EXPECT_EQ(answer, BoxAnswer::No);
    EXPECT_EQ(seen.title, "Tarnwick Workstation");
    EXPECT_EQ(seen.text, "Delete the DataFolder?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons.size(), 2u);

    seen = AnswerNextBox("Cancel", [&] { answer = AppMessageBox("Save changes?", BoxButtons::YesNoCancel); });
    EXPECT_EQ(answer, BoxAnswer::Cancel);
    EXPECT_EQ(seen.title, "Project1 - Tarnwick Workstation");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons.size(), 3u);

    // Closing a Yes/No box without a choice is a No.
    seen = AnswerNextBox("none", [&] { answer = MessageBoxTW("Go?", BoxIcon::Question, BoxButtons::YesNo); });
    EXPECT_EQ(answer, BoxAnswer::No);

    SetApplicationTitle({});
    Prompter::Install(previous);
}

TEST(QtPrompter, InputBoxHonoursMaxLengthAndCancel)
{
    QtPrompter qt;
    InputRequest request;
    request.caption = "Rename";
    request.label = "New name:";
    request.text = "old";
    request.maxLength = 5;

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* edit = dialog->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "old");
        edit->selectAll();
        edit->insert(QStringLiteral("abcdefgh"));
        dialog->accept();
    });
    std::string text;
    EXPECT_TRUE(qt.InputText(request, text));
    EXPECT_EQ(text, "abcde");

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    text = "kept";
    EXPECT_FALSE(qt.InputText(request, text));
    EXPECT_EQ(text, "kept");
}

// The filters read as written; under "All File(*.*)" a name without a dot is
// offered too, as on Windows.
TEST(QtPrompter, FileDialogShowsFiltersAsWrittenWithItsDefaultSuffix)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("core-r1.txt", "core-r1#show ip route\r\n"));
    QtPrompter qt;
    FileRequest request;
    request.mode = FileRequest::Mode::OpenMany;
    request.folder = dir.Path();
    request.filter = "Text File(*.txt);;All File(*.*)";
    request.defaultSuffix = "txt";

    QStringList shown, matched;
    QString suffix;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (auto* types = dialog->findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < types->count(); ++i)
                shown << types->itemText(i);
        matched = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        dialog->selectFile("core-r1");   // the default suffix completes it
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::vector<std::string> chosen = qt.ChooseFiles(request);
    EXPECT_EQ(shown, QStringList({"Text File(*.txt)", "All File(*.*)"}));
    EXPECT_EQ(matched, QStringList({"Text File(*.txt) (*.txt)", "All File(*.*) (*)"}));
    EXPECT_EQ(suffix, "txt");
    EXPECT_EQ(chosen, std::vector<std::string>{dir.Path() + "core-r1.txt"});
}

TEST(WaitCursor, SetsAndRestoresTheBusyCursor)
{
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        WaitCursor outer;
        WaitCursor inner;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

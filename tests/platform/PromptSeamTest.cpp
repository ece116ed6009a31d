#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/RunModal.h"

#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace platform;
using twtest::ModalDriver;
using twtest::ScriptedPrompter;

TEST(Prompter, HeadlessDefaultAnswersNegatively)
{
    Prompter* previous = Prompter::Install(nullptr);
    EXPECT_EQ(MessageBoxTW("Saved."), BoxAnswer::Ok);
    EXPECT_EQ(MessageBoxTW("Delete?", BoxIcon::Question, BoxButtons::YesNo), BoxAnswer::No);
    EXPECT_EQ(AppMessageBox("Save?", BoxButtons::YesNoCancel), BoxAnswer::Cancel);
    EXPECT_TRUE(Prompter::Instance().ChooseFiles({}).empty());
    std::string text = "unchanged";
    EXPECT_FALSE(Prompter::Instance().InputText({}, text));
    EXPECT_EQ(text, "unchanged");
    Prompter::Install(previous);
}

TEST(ScriptedPrompter, AnswersInOrderAndRecordsBoxes)
{
    SetApplicationTitle("Tarnwick Workstation - Project1");
    ScriptedPrompter prompter;
    prompter.ExpectMessage("The DataFolder already exists.", BoxAnswer::Ok,
                           {BoxKind::Captioned, std::string("Tarnwick Workstation"), BoxIcon::Exclamation, {}})
        .ExpectMessage("Delete it?", BoxAnswer::Yes, {BoxKind::Application, {}, {}, BoxButtons::YesNo})
        .ExpectFiles({"/tmp/a.log", "/tmp/b.log"})
        .ExpectInput("New name")
        .ExpectInputCancel()
        .ExpectFolder("/tmp/out/");

    EXPECT_EQ(MessageBoxTW("The DataFolder already exists.", BoxIcon::Exclamation), BoxAnswer::Ok);
    EXPECT_EQ(AppMessageBox("Delete it?", BoxButtons::YesNo), BoxAnswer::Yes);
    FileRequest files;
    files.mode = FileRequest::Mode::OpenMany;
    EXPECT_EQ(Prompter::Instance().ChooseFiles(files), (std::vector<std::string>{"/tmp/a.log", "/tmp/b.log"}));
    std::string text;
    EXPECT_TRUE(Prompter::Instance().InputText({}, text));
    EXPECT_EQ(text, "New name");
    EXPECT_FALSE(Prompter::Instance().InputText({}, text));
    EXPECT_EQ(Prompter::Instance().BrowseFolder({}), "/tmp/out/");

    ASSERT_EQ(prompter.log.size(), 6u);
    EXPECT_EQ(prompter.log[1].kind, BoxKind::Application);
    EXPECT_EQ(prompter.log[1].caption, "Tarnwick Workstation - Project1");
    SetApplicationTitle({});
    EXPECT_EQ(ApplicationTitle(), "Tarnwick Workstation");
}

TEST(ScriptedPrompter, FailsOnUnexpectedWrongAndMissingPrompts)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            EXPECT_EQ(MessageBoxTW("Overwrite?", BoxIcon::Question, BoxButtons::YesNo), BoxAnswer::No);
        },
        "unexpected message: \"Overwrite?\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.ExpectMessage("Done.", BoxAnswer::Ok);
        },
        "missing prompt");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.ExpectMessage("Done.", BoxAnswer::Ok);
            MessageBoxTW("Done!");
        },
        "texts differ at offset 4");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.ExpectMessage("Done.", BoxAnswer::Ok, {{}, {}, BoxIcon::Information, {}});
            MessageBoxTW("Done.", BoxIcon::Exclamation);
        },
        "icon of \"Done.\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.ExpectFolder("/x/");
            MessageBoxTW("Done.");
        },
        "expected a folder browser");
}

namespace {

constexpr int kIdName = 1001;
constexpr int kIdOverwrite = 1002;
constexpr int kIdOk = 1;

// A small dialog in the manner of the module's: OK accepts only with a name.
struct NameDialog {
    QDialog dialog;
    QLineEdit* name = new QLineEdit(&dialog);
    QCheckBox* overwrite = new QCheckBox(QStringLiteral("Overwrite"), &dialog);
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    NameDialog()
    {
        dialog.setWindowTitle(QStringLiteral("New DataFolder"));
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(name);
        layout->addWidget(overwrite);
        layout->addWidget(ok);
        SetControlId(name, kIdName);
        SetControlId(overwrite, kIdOverwrite);
        SetControlId(ok, kIdOk);
        QObject::connect(ok, &QPushButton::clicked, &dialog, [this] {
            if (!name->text().isEmpty())
                dialog.accept();
        });
    }
};

} // namespace

TEST(ModalDriver, FillsAndClicksControlsById)
{
    NameDialog d;
    EXPECT_EQ(Control<QLineEdit>(&d.dialog, kIdName), d.name);
    EXPECT_EQ(Control<QCheckBox>(&d.dialog, kIdName), nullptr);
    EXPECT_EQ(Control<QLineEdit>(&d.dialog, 4242), nullptr);
    EXPECT_EQ(ControlId(d.overwrite), kIdOverwrite);

    ModalDriver driver;
    driver.Expect(ModalDriver::ClickStep(kIdOk)); // no name yet: stays open
    driver.Expect([](QDialog& dialog) {
        EXPECT_TRUE(ModalDriver::FillText(dialog, kIdName, "Lab 2"));
        EXPECT_TRUE(ModalDriver::Check(dialog, kIdOverwrite, true));
        EXPECT_TRUE(ModalDriver::Click(dialog, kIdOk));
        return dialog.result();
    });
    EXPECT_EQ(RunModal(d.dialog), QDialog::Rejected);
    EXPECT_EQ(RunModal(d.dialog), QDialog::Accepted);
    EXPECT_EQ(d.name->text(), "Lab 2");
    EXPECT_TRUE(d.overwrite->isChecked());
    EXPECT_EQ(driver.Titles(), (std::vector<std::string>{"New DataFolder", "New DataFolder"}));

    EXPECT_NONFATAL_FAILURE(RunModal(d.dialog), "unexpected dialog \"New DataFolder\"");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(ModalDriver::Click(d.dialog, 777)), "no button 777");
}

TEST(ModalDriver, ReportsStepsThatNeverRan)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDriver driver;
            driver.Expect(ModalDriver::Accept());
        },
        "missing dialog");
}

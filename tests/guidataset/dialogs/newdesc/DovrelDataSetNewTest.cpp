#include "guidataset/dialogs/CDovrelDataSetNew.h"
#include "guidataset/resources/DovrelDataSetNewIds.h"
#include "host/util/CGlobalSet.h"
#include "host/util/EventDispatcher.h"
#include "host/util/EventSubscriber.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::BoxAnswer;
using twtest::ModalDriver;
using twtest::ScriptedPrompter;

namespace {

struct AddedEvent {
    void* fileSystem;
    std::string folder;
};

class AddedRecorder : public EventSubscriber {
public:
    AddedRecorder() { EventDispatcher::Instance().Register(kEventDataFolder, this); }
    ~AddedRecorder() override { EventDispatcher::Instance().UnRegister(this); }
    void DoAfter(int, int action, void* first, void* second) override
    {
        if (action == kActionDataFolderAdded)
            added.push_back({first, static_cast<const char*>(second)});
    }
    std::vector<AddedEvent> added;
};

class NewDataFolderDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TWFileSystem::CreateProject(temp / "project", ""));
        fileSystem = std::make_unique<TWFileSystem>(temp / "project");
    }

    // Types name, presses OK and hands back the dialog's result.
    int Enter(CDovrelDataSetNew& dialog, const std::string& name)
    {
        driver.Expect([name](QDialog& d) {
            ModalDriver::FillText(d, kIdcDataSetNewName, name);
            ModalDriver::Click(d, kIdcDataSetNewOk);
            return d.result();
        });
        return platform::RunModal(dialog);
    }

    twtest::TempDir temp;
    ScriptedPrompter prompter;
    ModalDriver driver;
    AddedRecorder events;
    std::unique_ptr<TWFileSystem> fileSystem;
};

TEST_F(NewDataFolderDialogTest, AcceptedNameCreatesFolderAndDescriptorAndAnnouncesIt)
{
    CDovrelDataSetNew dialog(fileSystem.get(), "");
    ASSERT_EQ(Enter(dialog, "  Lab 1 "), QDialog::Accepted);
    EXPECT_EQ(driver.Titles().back(), "New DataFolder");
    EXPECT_EQ(dialog.GetNewName(), "Lab 1");
    EXPECT_EQ(temp.ReadFile("project/DataFolders/Lab 1/TheDataset.Desc"),
              "<DatasetDesc><Creater>" + CGlobalSet::GetCurUser() + "</Creater></DatasetDesc>");
    ASSERT_EQ(events.added.size(), 1u);
    EXPECT_EQ(events.added[0].fileSystem, fileSystem.get());
    EXPECT_EQ(events.added[0].folder, temp / "project/DataFolders/Lab 1");

    // Into a parent folder: created there, announced by the caller, not the dialog.
    ASSERT_TRUE(temp.MakeDir("outside"));
    CDovrelDataSetNew inParent(fileSystem.get(), temp / "outside/");
    ASSERT_EQ(Enter(inParent, "Sub"), QDialog::Accepted);
    EXPECT_TRUE(temp.Exists("outside/Sub/TheDataset.Desc"));
    EXPECT_FALSE(temp.Exists("project/DataFolders/Sub"));
    EXPECT_EQ(events.added.size(), 1u);
}

TEST_F(NewDataFolderDialogTest, RefusalsComeInOrderAndKeepTheDialogOpen)
{
    ASSERT_TRUE(temp.MakeDir("project/DataFolders/Alpha"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"   ", "Please input DataFolder name."},
        {"a:b.", "The DataFolder's name can't include any of the following characters\n\t"
                 " \\ / : * ? \" < > |"},
        {"New...", "The DataFolder name is invalid."},
        {"MORE...", "The DataFolder name is invalid."},
        {"trailing.", "The DataFolder name is invalid."},
        {"aLPHA", "The DataFolder already exists."},
    };
    for (const auto& c : cases)
        prompter.ExpectMessage(c.second, BoxAnswer::Ok, twtest::kNoticeBox);

    CDovrelDataSetNew dialog(fileSystem.get(), "");
    driver.Expect([&](QDialog& d) {
        for (const auto& c : cases) {
            ModalDriver::FillText(d, kIdcDataSetNewName, c.first);
            ModalDriver::Click(d, kIdcDataSetNewOk);
            EXPECT_TRUE(d.isVisible()) << c.first;
            EXPECT_EQ(d.result(), QDialog::Rejected) << c.first;
        }
        // The field takes 32 characters and no more.
        auto* edit = platform::Control<QLineEdit>(&d, kIdcDataSetNewName);
        edit->clear();
        QTest::keyClicks(edit, QString(33, QLatin1Char('x')));
        EXPECT_EQ(edit->text(), QString(32, QLatin1Char('x')));
        ModalDriver::Click(d, kIdcDataSetNewCancel);
        return d.result();
    });
    EXPECT_EQ(platform::RunModal(dialog), QDialog::Rejected);
    EXPECT_TRUE(dialog.GetNewName().empty());
    EXPECT_TRUE(events.added.empty());
    EXPECT_FALSE(temp.Exists("project/DataFolders/aLPHA/TheDataset.Desc"));
}

TEST_F(NewDataFolderDialogTest, FolderThatCannotBeMadeClosesWithCancel)
{
    ASSERT_TRUE(temp.WriteFile("plain.txt", "not a folder"));
    prompter.ExpectMessage("The system failed to create the DataFolder.", BoxAnswer::Ok, twtest::kNoticeBox);
    CDovrelDataSetNew dialog(fileSystem.get(), temp / "plain.txt/");
    EXPECT_EQ(Enter(dialog, "Lab"), QDialog::Rejected);
    EXPECT_TRUE(dialog.GetNewName().empty());
    EXPECT_EQ(temp.ReadFile("plain.txt"), "not a folder");
}

} // namespace

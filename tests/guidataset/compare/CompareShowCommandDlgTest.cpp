// The "Compare show command" dialog driven as a user drives it: what each
// side lists, its refusals, and the one command line that starts the viewer;
// and the text comparison that decides whether the viewer is needed.
#include "guidataset/compare/CCompareShowCommandDlg.h"
#include "guidataset/compare/core/CompareConfigFile.h"
#include "guidataset/resources/CompareShowCommandDlgIds.h"
#include "host/util/CFileName.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/RunModal.h"
#include "support/CampusProject.h"
#include "support/RecordingProcessStarter.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include <gmock/gmock.h>

#include <cstdio>

using platform::BoxAnswer;
using testing::ElementsAre;
using twtest::ModalDriver;

namespace {

constexpr const char* kRoute = "show ip route";
constexpr const char* kVersion = "show version";

// The project "campus" with the DataFolders "Audit" (results of core-r1) and
// "Field Lab" (none), opened.
class CompareShowCommand : public twtest::CampusProject {
protected:
    CompareShowCommand()
    {
        Put("Audit", "core-r1", kRoute, "2024-05-01 10-00-00.000", "route A\r\n");
        Put("Audit", "core-r1", kVersion, "2024-05-01 10-00-01.000", "version\r\n");
        Put("Audit", "core-r1", kRoute, "2024-05-02 10-00-00.000", "route B\r\n");
        Put("Audit", "core-r1", kRoute, "2024-05-03 10-00-00.000", "route A\n");
        // Other devices and a command spelt otherwise are never offered.
        Put("Audit", "core-r10", kRoute, "2024-05-01 10-00-00.000", "x");
        Put("Audit", "CORE-R1", "SHOW IP ROUTE", "2024-05-01 10-00-00.000", "x");
    }
    static std::string Name(const std::string& device, const std::string& command, const std::string& time)
    {
        return CFileName::ToShowCommandResultFileName(device, command, time, "txt");
    }
    std::string Path(const std::string& dataFolder, const std::string& device, const std::string& command,
                     const std::string& time) const
    {
        return project + "DataFolders/" + dataFolder + "/ShowCommand/" + Name(device, command, time);
    }
    void Put(const std::string& dataFolder, const std::string& device, const std::string& command,
             const std::string& time, const std::string& text)
    {
        EXPECT_TRUE(temp.WriteFile("campus/DataFolders/" + dataFolder + "/ShowCommand/" + Name(device, command, time),
                                   text));
    }

    // Runs the dialog on core-r1 in Audit with step as the user.
    void Run(const std::function<void(QDialog&)>& step, const std::string& device = "core-r1",
             const std::string& dataFolder = "Audit")
    {
        CCompareShowCommandDlg dialog;
        dialog.SetDeviceName(device);
        dialog.SetDataFolderName(dataFolder);
        dialog.SetShowCommand(kRoute);
        ModalDriver driver;
        driver.Expect([&](QDialog& shown) {
            step(shown);
            // The dialog never closes itself.
            EXPECT_TRUE(shown.isVisible());
            return int(QDialog::Rejected);
        });
        platform::RunModal(dialog);
    }

    twtest::RecordingProcessStarter starter;
};

} // namespace

TEST_F(CompareShowCommand, BothSidesOfferEachCommandOnceAndEveryExecution)
{
    Run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Compare show command");
        EXPECT_EQ(platform::ControlId(&dialog), kIddCompareShowCommand);
        auto* device = platform::Control<QLineEdit>(&dialog, kIdcCompareShowCommandDevice);
        ASSERT_NE(device, nullptr);
        EXPECT_EQ(device->text().toStdString(), "core-r1");
        EXPECT_TRUE(device->isReadOnly());
        for (int picker : {kIdcCompareShowCommandFirstPicker, kIdcCompareShowCommandSecondPicker})
            EXPECT_EQ(ModalDriver::Text(dialog, picker), "Audit");
        for (int commands : {kIdcCompareShowCommandFirstCommand, kIdcCompareShowCommandSecondCommand})
            EXPECT_THAT(Items(dialog, commands), testing::UnorderedElementsAre(kRoute, kVersion));
        Choose(dialog, kIdcCompareShowCommandFirstCommand, kRoute);
        EXPECT_THAT(Items(dialog, kIdcCompareShowCommandFirstExecution),
                    testing::UnorderedElementsAre("2024-05-01 10-00-00.000", "2024-05-02 10-00-00.000",
                                                  "2024-05-03 10-00-00.000"));
        EXPECT_EQ(platform::Control<QComboBox>(&dialog, kIdcCompareShowCommandFirstExecution)->currentIndex(), 0);
        // The other side keeps what it showed.
        Choose(dialog, kIdcCompareShowCommandSecondCommand, kVersion);
        EXPECT_THAT(Items(dialog, kIdcCompareShowCommandSecondExecution), ElementsAre("2024-05-01 10-00-01.000"));
        EXPECT_EQ(Items(dialog, kIdcCompareShowCommandFirstExecution).size(), 3u);
    });
    EXPECT_TRUE(starter.commandLines.empty());
}

TEST_F(CompareShowCommand, TwoDifferentResultsGoToTheViewerFirstSideFirstAndTheDialogStays)
{
    Put("Field Lab", "core-r1", kRoute, "2024-06-01 09-00-00.000", "route C\r\n");
    Run([&](QDialog& dialog) {
        Choose(dialog, kIdcCompareShowCommandFirstCommand, kRoute);
        Choose(dialog, kIdcCompareShowCommandFirstExecution, "2024-05-02 10-00-00.000");
        Choose(dialog, kIdcCompareShowCommandSecondPicker, "Field Lab");
        EXPECT_THAT(Items(dialog, kIdcCompareShowCommandSecondCommand), ElementsAre(kRoute));
        ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
        ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
        // A viewer that cannot start is named to the user.
        starter.answer = false;
        prompter.ExpectMessage("The difference viewer TarnwickDiff.exe cannot be started: it is neither on PATH nor "
                               "in the workstation's own folder.",
                               BoxAnswer::Ok);
        ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
    });
    const std::string expected = "\"TarnwickDiff.exe\" \"" + Path("Audit", "core-r1", kRoute, "2024-05-02 10-00-00.000") +
                                 "\" \"" + Path("Field Lab", "core-r1", kRoute, "2024-06-01 09-00-00.000") + "\"";
    EXPECT_THAT(starter.commandLines, ElementsAre(expected, expected, expected));
    // A path with blanks stays one argument for the viewer.
    EXPECT_THAT(platform::SplitCommandLine(expected),
                ElementsAre("TarnwickDiff.exe", Path("Audit", "core-r1", kRoute, "2024-05-02 10-00-00.000"),
                            Path("Field Lab", "core-r1", kRoute, "2024-06-01 09-00-00.000")));
}

TEST_F(CompareShowCommand, ResultsWithTheSameTextAreSaidUnchangedAndStartNothing)
{
    prompter.ExpectMessage("These two results have not been modified.", BoxAnswer::Ok, twtest::kNoticeBox);
    prompter.ExpectMessage("These two results have not been modified.", BoxAnswer::Ok, twtest::kNoticeBox);
    Run([&](QDialog& dialog) {
        // One result with itself.
        Choose(dialog, kIdcCompareShowCommandFirstCommand, kRoute);
        Choose(dialog, kIdcCompareShowCommandSecondCommand, kRoute);
        Choose(dialog, kIdcCompareShowCommandFirstExecution, "2024-05-01 10-00-00.000");
        Choose(dialog, kIdcCompareShowCommandSecondExecution, "2024-05-01 10-00-00.000");
        ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
        // The same lines with other line ends.
        Choose(dialog, kIdcCompareShowCommandSecondExecution, "2024-05-03 10-00-00.000");
        ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
    });
    EXPECT_TRUE(starter.commandLines.empty());
}

TEST_F(CompareShowCommand, ASideWithoutAResultIsRefusedAndAMissingFirstResultIsNamedBeforeTheSecondIsLookedAt)
{
    const std::string gone = Name("core-r1", kRoute, "2024-05-01 10-00-00.000");
    prompter.ExpectMessage("Please select a Show Command", BoxAnswer::Ok, twtest::kNoticeBox);
    prompter.ExpectMessage("File \"" + gone + "\" does not exist", BoxAnswer::Ok, twtest::kNoticeBox);
    Run([&](QDialog& dialog) {
        Choose(dialog, kIdcCompareShowCommandSecondPicker, "Field Lab");
        EXPECT_TRUE(Items(dialog, kIdcCompareShowCommandSecondCommand).empty());
        EXPECT_TRUE(Items(dialog, kIdcCompareShowCommandSecondExecution).empty());
        ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
        // The second side still names nothing: a second refusal of it would come first.
        Choose(dialog, kIdcCompareShowCommandFirstCommand, kRoute);
        Choose(dialog, kIdcCompareShowCommandFirstExecution, "2024-05-01 10-00-00.000");
        ASSERT_EQ(std::remove(Path("Audit", "core-r1", kRoute, "2024-05-01 10-00-00.000").c_str()), 0);
        ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
    });
    // Without a device nothing is listed, and Compare says nothing.
    Run(
        [&](QDialog& dialog) {
            EXPECT_TRUE(Items(dialog, kIdcCompareShowCommandFirstCommand).empty());
            ModalDriver::Click(dialog, kIdcCompareShowCommandCompare);
        },
        "  ");
    EXPECT_TRUE(starter.commandLines.empty());
}

TEST(CompareConfigFileTest, SameTextCountsUnchangedAndLineLayoutOnlyWhenAsked)
{
    twtest::TempDir temp;
    ASSERT_TRUE(temp.WriteFile("a.txt", "line 1\r\nline 2\r\n"));
    ASSERT_TRUE(temp.WriteFile("b.txt", "line 1  \nline 2\n\n"));
    ASSERT_TRUE(temp.WriteFile("c.txt", "line 1\r\nline 3\r\n"));
    ASSERT_TRUE(temp.WriteFile("d.txt", "line 1\rline 2"));
    EXPECT_TRUE(CompareConfigFile(temp / "a.txt", temp / "a.txt", false));
    EXPECT_TRUE(CompareConfigFile(temp / "a.txt", temp / "b.txt", true));
    EXPECT_TRUE(CompareConfigFile(temp / "a.txt", temp / "d.txt", true));
    EXPECT_FALSE(CompareConfigFile(temp / "a.txt", temp / "b.txt", false));
    EXPECT_FALSE(CompareConfigFile(temp / "a.txt", temp / "c.txt", true));
    // A file that cannot be read is never taken as unchanged.
    EXPECT_FALSE(CompareConfigFile(temp / "a.txt", temp / "none.txt", true));
    EXPECT_FALSE(CompareConfigFile(temp / "none.txt", temp / "none.txt", true));
}

#include "guidataset/showcmd/CImportDatasetDlg.h"
#include "guidataset/showcmd/ImportDatasetDlgIds.h"
#include "guidataset/showcmd/ShowCmdImport.h"
#include "guidataset/showcmd/core/ShowCmdImportJob.h"
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/guiutil/CThreadProgressDlg.h"
#include "host/guiutil/HostCommandEvent.h"
#include "host/util/CConf.h"
#include "host/util/CGlobalSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FindFiles.h"
#include "support/CancelAtStep.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxKind;
using twtest::ModalDriver;
using twtest::ScriptedPrompter;
using twtest::TempDir;

namespace {

// A main window stand-in that keeps the host commands posted to it.
class CommandRecorder : public QWidget {
public:
    std::vector<int> commands;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == HostCommandEvent::kType)
            commands.push_back(static_cast<HostCommandEvent*>(e)->Command());
        return QWidget::event(e);
    }
};

// A splitter that already holds counts, as if logs had been split.
class CountedSplitter : public SplitShowCmds {
public:
    CountedSplitter(int routes, int arps)
    {
        m_routeCount = routes;
        m_arpCount = arps;
    }
};

// A project that knows the router core-r1, current while the object lives.
class RouterProject {
public:
    explicit RouterProject(const std::string& folder)
        : m_created(TWFileSystem::CreateProject(folder, "Lab") &&
                    twtest::WriteBytes(folder + "/Devices.ini", "[core-r1]\nType=router\nSubType=ios\n"))
        , m_fileSystem(folder)
    {
        SetCurrBaselineFileSystem(&m_fileSystem);
    }
    ~RouterProject() { SetCurrBaselineFileSystem(nullptr); }
    RouterProject(const RouterProject&) = delete;
    RouterProject& operator=(const RouterProject&) = delete;

    bool Created() const { return m_created; }
    std::string DataFolder() const { return m_fileSystem.GetDataSetRecent(); }

private:
    bool m_created;
    TWFileSystem m_fileSystem;
};

// Clicks the progress window's Cancel button on the GUI thread, as a user
// would, and waits until the click has been handled.
void ClickCancelFromWorker(CThreadProgressDlg& dialog)
{
    QPushButton* cancel = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "Cancel")
            cancel = button;
    ASSERT_NE(cancel, nullptr);
    QMetaObject::invokeMethod(cancel, &QPushButton::click, Qt::QueuedConnection);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!dialog.IsCancelled() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Points the host settings at a file of the test's own for its lifetime.
class ScopedHostSettings {
public:
    explicit ScopedHostSettings(const std::string& file) { CGlobalSet::Instance().SetConfFileName(file); }
    ~ScopedHostSettings() { CGlobalSet::Instance().SetConfFileName(CGlobalSet::DefaultConfFileName()); }
};

} // namespace

TEST(ThreadProgressDlgTest, RunsTheWorkerOffTheGuiThreadAndClosesWhenItEnds)
{
    CThreadProgressDlg dialog(nullptr, "Importing...", 3);
    std::thread::id workerThread;
    const int result = dialog.DoModal([&](CThreadProgressDlg& self) {
        workerThread = std::this_thread::get_id();
        for (int i = 0; i < 3; ++i)
            self.StepIt();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_NE(workerThread, std::thread::id());
    EXPECT_NE(workerThread, std::this_thread::get_id());
    EXPECT_EQ(dialog.GetPos(), 3);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.IsWorkerRunning());
}

TEST(ThreadProgressDlgTest, CancelStopsTheImportBeforeTheNextFile)
{
    TempDir dir;
    for (const char* name : {"a.log", "b.log", "c.log"})
        ASSERT_TRUE(dir.WriteFile(name, "R1#show ip route\n"));
    const CShowCmdImportJob job = CShowCmdImportJob::FromFiles({dir / "a.log", dir / "b.log", dir / "c.log"});

    CThreadProgressDlg dialog(nullptr, "Importing...", job.GetFileCount());
    std::vector<std::string> split;
    const int result = dialog.DoModal([&](CThreadProgressDlg& self) {
        job.Run(
            [&](const std::string& path) {
                split.push_back(path);
                ClickCancelFromWorker(self);
                return 1;
            },
            [&] { return self.IsCancelled(); }, [&] { self.StepIt(); });
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(split.size(), 1u);
    EXPECT_EQ(split[0], dir / "a.log");
    EXPECT_EQ(dialog.GetPos(), 1);
}

TEST(ShowCmdImportJobTest, FolderSplitsEveryFileButNoSubFolder)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("logs/r1.log", "x"));
    ASSERT_TRUE(dir.WriteFile("logs/notes", "y"));
    ASSERT_TRUE(dir.WriteFile("logs/old/r2.log", "z"));
    const CShowCmdImportJob job = CShowCmdImportJob::FromFolder(dir / "logs");
    EXPECT_EQ(job.GetFileCount(), 2);

    std::vector<std::string> split;
    int steps = 0;
    EXPECT_EQ(job.Run([&](const std::string& p) { split.push_back(p); return -1; }, {}, [&] { ++steps; }), 2);
    std::sort(split.begin(), split.end());
    EXPECT_EQ(split, (std::vector<std::string>{dir / "logs/notes", dir / "logs/r1.log"}));
    EXPECT_EQ(steps, 2);

    EXPECT_EQ(CShowCmdImportJob::FromFolder(dir / "missing").GetFileCount(), 0);
}

TEST(ShowCmdImportTest, ChosenLogsAreSplitIntoTheDataFolderAndSummarised)
{
    TempDir dir;
    const RouterProject project(dir / "lab");
    ASSERT_TRUE(project.Created());
    const std::string dataFolder = project.DataFolder();

    ASSERT_TRUE(dir.WriteFile("one.log", "core-r1#show ip route\r\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\r\n"));
    ASSERT_TRUE(dir.WriteFile("two.txt", "banner only, no command\r\n"));
    ASSERT_TRUE(dir.WriteFile("three.log", "core-r1#show ip route\r\nS*    0.0.0.0/0 [1/0] via 10.0.0.3\r\n"));
    const std::vector<std::string> logs{dir / "one.log", dir / "two.txt", dir / "three.log"};

    // What a splitter of its own reports for the same logs into another folder.
    bool askL2 = true;
    SplitShowCmds reference;
    ASSERT_TRUE(dir.MakeDir("reference"));
    reference.setDataFolder(dir / "reference/");
    for (const std::string& log : logs)
        reference.splitFile(log);
    const std::string expected = reference.getStatString(askL2);
    ASSERT_FALSE(askL2);

    ScriptedPrompter prompter;
    prompter.ExpectFiles(logs).ExpectMessage(
        expected, BoxAnswer::Ok, {BoxKind::Application, std::nullopt, BoxIcon::None, BoxButtons::Ok});
    CommandRecorder parent;
    CShowCmdImport(&parent).Run(false, dataFolder);
    QCoreApplication::sendPostedEvents(&parent);
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(prompter.PendingCount(), 0u);
    EXPECT_EQ(platform::FindFiles(dataFolder + "ShowCommand/*.txt").size(), 2u);
    EXPECT_EQ(expected.substr(0, 2), "2 ");

    // Cancelling the choice runs nothing and reports nothing.
    ScriptedPrompter cancelled;
    cancelled.ExpectFolder("");
    CShowCmdImport(&parent).Run(true, dataFolder);
}

TEST(ShowCmdImportTest, CancelStopsAfterTheLogInHandAndKeepsOnlyWholeResults)
{
    TempDir dir;
    const RouterProject project(dir / "lab");
    ASSERT_TRUE(project.Created());
    std::vector<std::string> logs;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "logs/log" + std::to_string(100 + i) + ".log";
        ASSERT_TRUE(dir.WriteFile(name, "core-r1#show ip route\r\nS*    0.0.0.0/0 [1/0] via 10.0.0." +
                                            std::to_string(i) + "\r\n"));
        logs.push_back(dir / name);
    }
    // Cancelled after the fifth log: the summary is that of the first five alone.
    bool askL2 = true;
    SplitShowCmds reference;
    ASSERT_TRUE(dir.MakeDir("reference"));
    reference.setDataFolder(dir / "reference/");
    for (int i = 0; i < 5; ++i)
        reference.splitFile(logs[static_cast<std::size_t>(i)]);
    const std::string expected = reference.getStatString(askL2);

    ScriptedPrompter prompter;
    prompter.ExpectFiles(logs).ExpectMessage(expected, BoxAnswer::Ok);
    twtest::CancelAtStep cancel("Importing...", 5);
    CShowCmdImport(nullptr).Run(false, project.DataFolder());
    EXPECT_TRUE(cancel.Clicked());

    // The results of exactly those logs, each complete, and no temporary left.
    const auto results = twtest::TreeSnapshot(project.DataFolder() + "ShowCommand");
    const auto referenceResults = twtest::TreeSnapshot(dir / "reference/ShowCommand");
    ASSERT_EQ(results.size(), referenceResults.size());
    ASSERT_EQ(results.size(), 5u);
    auto want = referenceResults.begin();
    for (const auto& [name, bytes] : results) {
        EXPECT_EQ(name.rfind(".twtmp", 0), std::string::npos) << name;
        EXPECT_EQ(bytes, want->second) << name;
        ++want;
    }
}

TEST(ShowCmdImportTest, WhatCouldNotBeWrittenFollowsTheSummary)
{
    TempDir dir;
    const RouterProject project(dir / "lab");
    ASSERT_TRUE(project.Created());
    const std::string dataFolder = project.DataFolder();
    ASSERT_TRUE(dir.WriteFile("one.log", "core-r1#show ip route\r\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\r\n"));
    ASSERT_TRUE(dir.WriteFile("two.log", "core-r1#show arp\r\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\r\n"));
    std::filesystem::remove_all(dataFolder);

    ScriptedPrompter prompter;
    prompter.ExpectFiles({dir / "one.log", dir / "two.log"})
        .ExpectMessage("0 route tables, 0 CDP tables, 0 MAC tables, 0 ARP tables were imported successfully.",
                       BoxAnswer::Ok, {BoxKind::Application, std::nullopt, BoxIcon::None, BoxButtons::Ok})
        .ExpectMessage("The DataFolder '" + dataFolder + "' does not exist; nothing was imported.", BoxAnswer::Ok,
                       {BoxKind::Captioned, std::nullopt, BoxIcon::Exclamation, BoxButtons::Ok});
    CommandRecorder parent;
    CShowCmdImport(&parent).Run(false, dataFolder);
    EXPECT_EQ(prompter.PendingCount(), 0u);
    EXPECT_FALSE(std::filesystem::exists(dataFolder));
}

TEST(ShowCmdImportTest, LogsNotReadToTheirEndAreListedAfterTheSummary)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("one.log", "core-r1#show ip route\r\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\r\n"));
    ASSERT_TRUE(dir.WriteFile("long.log", "core-r1#show arp\r\n" + std::string(3000, 'x') + "\r\ncore-r1#show arp\r\n"));
    const std::vector<std::string> logs{dir / "one.log", dir / "gone.log", dir / "long.log"};

    const std::string summary =
        "0 route tables, 0 CDP tables, 0 MAC tables, 0 ARP tables were imported successfully.";
    ScriptedPrompter prompter;
    prompter.ExpectFiles(logs)
        .ExpectMessage(summary, BoxAnswer::Ok)
        .ExpectMessage("Some logs were not imported completely:\n" + dir / "gone.log" +
                           ": cannot be read (No such file or directory); nothing was imported from it\n" +
                           dir / "long.log" +
                           ", line 2: longer than 2,047 characters; the rest of the file was not imported",
                       BoxAnswer::Ok, {BoxKind::Application, std::nullopt, BoxIcon::Exclamation, BoxButtons::Ok});
    CommandRecorder parent;
    ASSERT_TRUE(dir.MakeDir("Audit"));
    CShowCmdImport(&parent).Run(false, dir / "Audit/");
    EXPECT_EQ(prompter.PendingCount(), 0u);
}

TEST(ShowCmdImportTest, L2QuestionSetsTheCacheSettingAndPostsTheRecalculation)
{
    TempDir dir;
    ScopedHostSettings settings(dir / "host/Workstation.ini");
    CommandRecorder parent;
    bool askL2 = false;
    const std::string text = CountedSplitter(2, 1).getStatString(askL2);
    ASSERT_TRUE(askL2);

    for (BoxAnswer answer : {BoxAnswer::No, BoxAnswer::Yes}) {
        ScriptedPrompter prompter;
        prompter.ExpectMessage(text, answer, {std::nullopt, std::nullopt, BoxIcon::Exclamation, BoxButtons::YesNo});
        CountedSplitter splitter(2, 1);
        CShowCmdImport(&parent).ShowSummary(splitter);
        EXPECT_TRUE(parent.commands.empty()); // posted, not sent
        QCoreApplication::sendPostedEvents(&parent);
        if (answer == BoxAnswer::No) {
            EXPECT_TRUE(parent.commands.empty());
            EXPECT_FALSE(dir.Exists("host/Workstation.ini"));
        }
    }
    EXPECT_EQ(CConf(dir / "host/Workstation.ini").GetValue("L2Discover", "UseCacheDatainDiscover"), "true");
    EXPECT_EQ(parent.commands, std::vector<int>{33397}) << "the host's L2 recalculation command";
}

TEST(ImportDatasetDlgTest, FolderIsTrimmedCheckedAndCopiedIntoTheDataFolder)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("outside/LiveConfig/r1.config", "new"));
    ASSERT_TRUE(dir.WriteFile("outside/notes.txt", "n"));
    ASSERT_TRUE(dir.WriteFile("target/LiveConfig/r1.config", "old"));

    ScriptedPrompter prompter;
    prompter.ExpectMessage("The imported folder does not exist.", BoxAnswer::Ok)
        .ExpectMessage("Please select a DataFolder", BoxAnswer::Ok);
    ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        ModalDriver::FillText(dialog, kIdcImportDatasetFolder, "  " + dir / "nowhere" + " ");
        ModalDriver::Click(dialog, kIdcImportDatasetOk);
        EXPECT_TRUE(dialog.isVisible());
        // Found despite the blanks; with no DataFolder chosen the picker asks.
        ModalDriver::FillText(dialog, kIdcImportDatasetFolder, "  " + dir / "outside" + "  ");
        ModalDriver::Click(dialog, kIdcImportDatasetOk);
        EXPECT_TRUE(dialog.isVisible());
        return QDialog::Rejected;
    });
    EXPECT_FALSE(CImportDatasetDlg::Import(nullptr, nullptr));

    ASSERT_TRUE(CImportDatasetDlg::ImportIntoDataFolder(nullptr, dir / "outside", dir / "target/"));
    EXPECT_EQ(dir.ReadFile("target/LiveConfig/r1.config"), "new");
    EXPECT_EQ(dir.ReadFile("target/notes.txt"), "n");
    ASSERT_TRUE(CImportDatasetDlg::ImportIntoDataFolder(nullptr, dir / "outside", dir / "fresh/"));
    EXPECT_TRUE(dir.Exists("fresh/notes.txt"));
}

TEST(ImportDatasetDlgTest, ACancelledImportTakesBackTheFolderItMade)
{
    TempDir dir;
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(dir.WriteFile("outside/LiveConfig/r" + std::to_string(i) + ".config", "hostname r"));
    ScriptedPrompter prompter;
    prompter.ExpectMessage("The copy was cancelled; \"" + dir / "DataFolders/Fresh" + "\" is as it was before.",
                           BoxAnswer::Ok, {BoxKind::Application, std::nullopt, BoxIcon::Information, BoxButtons::Ok});
    twtest::CancelAtStep cancel("Import the DataFolder", 12);
    QWidget panel;
    EXPECT_FALSE(CImportDatasetDlg::ImportIntoDataFolder(&panel, dir / "outside", dir / "DataFolders/Fresh/"));
    EXPECT_TRUE(cancel.Clicked());
    EXPECT_FALSE(dir.Exists("DataFolders"));
    EXPECT_EQ(twtest::TreeSnapshot(dir / "outside").size(), 31u);
}

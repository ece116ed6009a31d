// twdata never reaches past a DataFolder, keeps links whose disks are away, and
// loses nothing when several commands run at once: the real executable on
// temporary projects, with every outside folder under the same temporary folder.
#include "support/TempDir.h"
#include "TwdataRun.h"

#include "platform/core/FileTimes.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using twtest::TempDir;
using Outcome = twtest::TwdataOutcome;

namespace {

class TwdataSafety : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(twtest::RunTwdata({"init", Q(Project())}).status, 0); }

    static QString Q(const std::string& text) { return QString::fromStdString(text); }
    std::string Project() const { return m_tmp / "parent/proj"; }
    Outcome On(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) const
    {
        return twtest::RunTwdata(QStringList{"-p", Q(Project())} + args, env);
    }
    std::string Registry() const { return m_tmp.ReadFile("parent/proj/TWDataSet.ini"); }

    // Starts every command at once, then waits for all; their exit statuses.
    std::vector<int> RunTogether(const std::vector<QStringList>& commands) const
    {
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const QStringList& args : commands) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->start(TW_BINARY_DIR "/bin/twdata", QStringList{"-p", Q(Project())} + args);
        }
        std::vector<int> statuses;
        for (auto& process : processes) {
            process->waitForFinished(60000);
            statuses.push_back(process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -2);
        }
        return statuses;
    }

    TempDir m_tmp;
};

TEST_F(TwdataSafety, DeletingASymbolicLinkDataFolderTakesTheLinkNotItsTarget)
{
    ASSERT_TRUE(m_tmp.WriteFile("outside/keep.txt", "keep\n"));
    ASSERT_TRUE(m_tmp.MakeDir("outside/sub"));
    fs::create_directory_symlink(m_tmp / "outside", Project() + "/DataFolders/Sym");

    const Outcome deleted = On({"delete", "-y", "Sym"});
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_FALSE(fs::exists(fs::symlink_status(Project() + "/DataFolders/Sym")));
    EXPECT_EQ(m_tmp.ReadFile("outside/keep.txt"), "keep\n");
    EXPECT_TRUE(m_tmp.Exists("outside/sub"));
}

TEST_F(TwdataSafety, FoldersHoldingOrInsideTheProjectAreNeitherLinkedNorDeleted)
{
    ASSERT_TRUE(m_tmp.MakeDir("home") && m_tmp.MakeDir("data/a/b"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", Q(m_tmp / "home"));
    ASSERT_EQ(On({"link", Q(m_tmp / "data/a")}).status, 0);
    const std::string linked = Registry();

    const std::pair<std::string, std::string> refused[] = {
        {"/", "it is the root folder"},
        {m_tmp / "home", "it is your home folder"},
        {m_tmp / "parent", "it holds the project '" + Project() + "'"},
        {Project(), "it is the project's own folder"},
        {Project() + "/Config", "it lies inside the project '" + Project() + "'"},
        {m_tmp / "data", "it holds the DataFolder '" + m_tmp / "data/a'"},
        {m_tmp / "data/a/b", "it lies inside the DataFolder '" + m_tmp / "data/a'"},
    };
    for (const auto& [folder, reason] : refused) {
        const Outcome link = On({"link", Q(folder)}, env);
        EXPECT_EQ(link.status, 1) << folder;
        EXPECT_EQ(link.err, "'" + folder + "' cannot be linked as a DataFolder: " + reason + ".\n");
    }
    EXPECT_EQ(Registry(), linked);

    // A link to the project's parent made by hand is still never removed.
    ASSERT_TRUE(m_tmp.WriteFile("parent/proj/TWDataSet.ini",
                                linked + "[EXTERNAL_DATASETS]\r\nPath9=" + m_tmp / "parent" + "\r\n"));
    const Outcome deleted = On({"delete", "-y", Q(m_tmp / "parent")});
    EXPECT_EQ(deleted.status, 1);
    EXPECT_EQ(deleted.err, "'" + m_tmp / "parent" + "' cannot be deleted: it holds the project '" + Project() + "'.\n");
    EXPECT_TRUE(m_tmp.Exists("parent/proj/Workspace.ini"));
}

TEST_F(TwdataSafety, ConcurrentCommandsKeepEachOthersChangesAndReadersWriteNothing)
{
    std::vector<QStringList> links;
    std::vector<QStringList> devices;
    for (int i = 0; i < 20; ++i) {
        const std::string folder = m_tmp / ("field/site" + std::to_string(i));
        ASSERT_TRUE(m_tmp.MakeDir("field/site" + std::to_string(i)));
        links.push_back({"link", Q(folder)});
        devices.push_back({"device", "add", Q("r" + std::to_string(i))});
    }
    EXPECT_EQ(RunTogether(links), std::vector<int>(20, 0));
    EXPECT_EQ(RunTogether(devices), std::vector<int>(20, 0));
    const std::string list = On({"list"}).out;
    const std::string inventory = On({"device", "list"}).out;
    for (int i = 0; i < 20; ++i) {
        EXPECT_NE(list.find(m_tmp / ("field/site" + std::to_string(i)) + "\t"), std::string::npos) << i;
        EXPECT_NE(inventory.find("r" + std::to_string(i) + "\trouter\n"), std::string::npos) << i;
    }

    const std::string file = Project() + "/TWDataSet.ini";
    const std::string bytes = Registry();
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    EXPECT_EQ(RunTogether({{"list"}, {"current"}, {"files", "LiveConfig"}, {"device", "list"}}),
              std::vector<int>(4, 0));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(Registry(), bytes);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_ino, before.st_ino) << "not even replaced by an identical copy";
}

TEST_F(TwdataSafety, ALinkWhoseDiskIsAwayStaysListedAsUnavailable)
{
    ASSERT_TRUE(m_tmp.WriteFile("disk/Field/LiveConfig/r1.config", "hostname r1\n"));
    const std::string field = m_tmp / "disk/Field";
    ASSERT_EQ(On({"link", Q(field)}).status, 0);
    ASSERT_EQ(On({"current", "Field"}).status, 0);

    fs::rename(field, m_tmp / "disk/away");   // the disk is unmounted
    const Outcome list = On({"list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find(field + "\tField\t3\tunlocked\tunavailable\n"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("Local default\tLocal default\t2\tunlocked\tcurrent\n"), std::string::npos);

    fs::rename(m_tmp / "disk/away", field);   // and back
    EXPECT_EQ(On({"current"}).out, field + "\n");
    EXPECT_EQ(On({"list"}).out.find("unavailable"), std::string::npos);

    // Deleting it while away drops the link only, and its stand-in becomes current.
    fs::rename(field, m_tmp / "disk/away");
    EXPECT_EQ(On({"delete", "-y", "Field"}).status, 0);
    EXPECT_EQ(On({"list"}).out, "Local default\tLocal default\t2\tunlocked\tcurrent\n");
    EXPECT_NE(Registry().find("CurrentPath=" + Project() + "/DataFolders/Local default/\r\n"), std::string::npos);
    EXPECT_TRUE(m_tmp.Exists("disk/away/LiveConfig/r1.config"));
}

TEST_F(TwdataSafety, NamesThatBreakListingsOrPromptsAreRefused)
{
    for (const char* device : {"core r1", "core\tr1", "r1#", "r1>"}) {
        const Outcome add = On({"device", "add", device});
        EXPECT_EQ(add.status, 1) << device;
        EXPECT_EQ(add.err.find("'" + std::string(device) + "' cannot be a device name: a device's prompt could not carry it."),
                  0u)
            << add.err;
    }
    EXPECT_EQ(On({"device", "list"}).out, "");

    for (const char* name : {"north\tcore", "north\ncore"}) {
        const Outcome created = On({"new", name});
        EXPECT_EQ(created.status, 1);
        EXPECT_EQ(created.err,
                  "The DataFolder's name can't include a tab, a line break or any other control character.\n");
    }

    ASSERT_EQ(::mkfifo((m_tmp / "pipe").c_str(), 0600), 0);
    const std::string notAFolder = "'" + m_tmp / "pipe" + "' is not a folder: it is a named pipe (FIFO).\n";
    const Outcome link = On({"link", Q(m_tmp / "pipe")});
    EXPECT_EQ(link.status, 1);
    EXPECT_EQ(link.err, notAFolder);
    EXPECT_EQ(twtest::RunTwdata({"init", Q(m_tmp / "pipe")}).err, notAFolder);
    EXPECT_EQ(On({"list"}).out, "Local default\tLocal default\t2\tunlocked\tcurrent\n");
}

TEST_F(TwdataSafety, ADescriptorThatCannotBeWrittenFailsNew)
{
    // No file may grow past 0 bytes: the descriptor's write fails as on a full disk.
    QProcess process;
    process.start("/bin/sh", {"-c", "ulimit -f 0; exec \"$0\" \"$@\"", TW_BINARY_DIR "/bin/twdata", "-p",
                              Q(Project()), "new", "Full"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              "The DataFolder 'Full' was created, but its descriptor cannot be written to '" + Project() +
                  "/DataFolders/Full/TheDataset.Desc' (is the disk full?).\n");
}

} // namespace

// What "twdata import-log" leaves on disk when imports run at once, when one
// is killed part way, and when files cannot be written: the real executable
// on a temporary project.
#include "support/TempDir.h"
#include "TwdataRun.h"

#include "guidataset/showcmd/core/ShowCommandResultList.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TwdataImportWrite : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(twtest::RunTwdata({"init", File("project")}, Env()).status, 0); }

    QString File(const std::string& name) const { return QString::fromStdString(m_tmp / name); }
    std::string DataFolder() const { return m_tmp / "project/DataFolders/Local default/"; }
    std::string Results() const { return DataFolder() + "ShowCommand/"; }
    QProcessEnvironment Env() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TW_HOST_SETTINGS", File("settings.ini"));
        return env;
    }
    twtest::TwdataOutcome On(const QStringList& args) const
    {
        return twtest::RunTwdata(QStringList{"-p", File("project")} + args, Env());
    }
    twtest::TwdataOutcome Import(const std::string& log) const { return On({"import-log", "--yes", File(log)}); }
    // An import started and left running.
    void Start(QProcess& process, const std::string& log) const
    {
        process.setProcessEnvironment(Env());
        process.start(TW_BINARY_DIR "/bin/twdata", {"-p", File("project"), "import-log", "--yes", File(log)});
        ASSERT_TRUE(process.waitForStarted(10000));
        process.closeWriteChannel();
    }
    void AddRouters(int count) const
    {
        for (int i = 1; i <= count; ++i)
            ASSERT_EQ(On({"device", "add", QString("R%1").arg(i), "--type", "router"}).status, 0);
    }

    twtest::TempDir m_tmp;
};

// The names in folder (which ends in '/'): result and table names, or (dots)
// what a killed write left. Cheap enough to poll a folder of thousands of
// results while an import runs.
std::set<std::string> Names(const std::string& folder, bool dots = false)
{
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file() && (entry.path().filename().string()[0] == '.') == dots)
            names.insert(entry.path().string().substr(folder.size()));
    return names;
}

// Route, ARP and MAC pieces of R1..R<devices>, CR LF as they are stored, each
// with its number on its second line.
std::vector<std::string> Pieces(int count, int devices, int lines)
{
    const char* commands[] = {"show ip route", "show arp", "show mac-address-table dynamic"};
    std::vector<std::string> pieces;
    for (int n = 0; n < count; ++n) {
        std::string piece = "R" + std::to_string(n % devices + 1) + "#" + commands[n % 3] + "\r\n! capture " +
                            std::to_string(n) + "\r\n";
        for (int i = 1; i <= lines; ++i) {
            const std::string a = std::to_string((n + i) % 250 + 1) + "." + std::to_string(i);
            piece += n % 3 == 0   ? "O        10." + a + ".0/24 [110/2] via 10.0.0.2, 00:01:02, Gi0/1\r\n"
                     : n % 3 == 1 ? "Internet  10." + a + ".7  5  5254.0012." + std::to_string(1000 + n) + "  ARPA  Gi0/0\r\n"
                                  : "  " + std::to_string(i) + "    0050.5610." + std::to_string(1000 + n) + "    DYNAMIC     Gi1/0/1\r\n";
        }
        pieces.push_back(piece);
    }
    return pieces;
}

std::string Join(const std::vector<std::string>& pieces)
{
    std::string text;
    for (const std::string& piece : pieces)
        text += piece;
    return text;
}

std::map<std::string, std::string> Tables(const std::string& dataFolder)
{
    std::map<std::string, std::string> tables;
    for (const char* kind : {"LiveRouteTable/", "LiveArpTable/", "LiveMacTable/"})
        for (const std::string& name : Names(dataFolder + kind))
            tables[kind + name] = twtest::ReadBytes(dataFolder + kind + name);
    return tables;
}

// Stops the process and waits until it is stopped; false when it has ended.
bool StopProcess(pid_t pid)
{
    if (::kill(pid, SIGSTOP) != 0)
        return false;
    const std::string stat = "/proc/" + std::to_string(pid) + "/stat";
    for (int tries = 0; tries < 100000; ++tries) {
        const std::string text = twtest::ReadBytes(stat);
        const std::size_t close = text.rfind(')');
        if (close == std::string::npos || close + 2 >= text.size())
            return false;
        const char state = text[close + 2];
        if (state == 'T' || state == 't')
            return true;
        if (state == 'Z' || state == 'X')
            return false;
        std::this_thread::yield();
    }
    return false;
}

} // namespace

TEST_F(TwdataImportWrite, ImportsAtTheSameTimeKeepEveryResult)
{
    AddRouters(1);
    ASSERT_TRUE(m_tmp.WriteFile("routes.log", Join(Pieces(1000, 1, 1))));
    QProcess first, second;
    Start(first, "routes.log");
    Start(second, "routes.log");
    ASSERT_TRUE(first.waitForFinished(60000) && second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode() + second.exitCode(), 0) << second.readAllStandardError().toStdString();
    // Then one right after: the names of the one before ran ahead of the clock.
    EXPECT_EQ(Import("routes.log").status, 0);
    EXPECT_EQ(Names(Results()).size(), 3u * 1000);
    EXPECT_TRUE(Names(DataFolder(), true).empty());
}

TEST_F(TwdataImportWrite, FilesThatCannotBeWrittenAreReportedAndNotCounted)
{
    // A device name too long for a file name: nothing of it can be stored.
    const std::string longName(300, 'r');
    ASSERT_EQ(On({"device", "add", QString::fromStdString(longName), "--type", "router"}).status, 0);
    ASSERT_TRUE(m_tmp.WriteFile("long.log", longName + "#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0.1\n"));
    const twtest::TwdataOutcome tooLong = Import("long.log");
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_EQ(tooLong.out, "0 route tables, 0 CDP tables, 0 MAC tables, 0 ARP tables were imported successfully.\n");
    EXPECT_EQ(tooLong.err.rfind("3 files could not be written:\n'" + Results() + longName + "$show ip route$", 0), 0u);
    EXPECT_NE(tooLong.err.find("LiveRouteTable/" + longName + ".ort': File name too long"), std::string::npos)
        << tooLong.err;

    // A disk that takes no more than 2 KB a file: the big result and its
    // tables stay unwritten, the small ones arrive whole.
    AddRouters(2);
    ASSERT_TRUE(m_tmp.WriteFile("full.log", Join(Pieces(1, 1, 100)) + "R2#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0.1\n"));
    QProcess limited;
    limited.setProcessEnvironment(Env());
    limited.start("/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 4; exec \"$0\" \"$@\"", TW_BINARY_DIR "/bin/twdata",
                              "-p", File("project"), "import-log", "--yes", File("full.log")});
    ASSERT_TRUE(limited.waitForFinished(30000));
    const std::string err = limited.readAllStandardError().toStdString();
    EXPECT_EQ(limited.exitCode(), 1);
    EXPECT_EQ(limited.readAllStandardOutput().toStdString(),
              "1 route tables, 0 CDP tables, 0 MAC tables, 0 ARP tables were imported successfully.\n");
    EXPECT_EQ(err.rfind("3 files could not be written:", 0), 0u) << err;
    EXPECT_NE(err.find("LiveRouteTable/R1.ort': File too large"), std::string::npos) << err;
    const std::set<std::string> stored = Names(Results());
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored.begin()->rfind("R2$show ip route$", 0), 0u);
    EXPECT_EQ(Names(DataFolder() + "LiveRouteTable/"), (std::set<std::string>{"R2.ort", "R2.txt"}));
    EXPECT_TRUE(Names(DataFolder(), true).empty());
}

TEST_F(TwdataImportWrite, MissingDataFolderIsNeverMadeAgain)
{
    AddRouters(1);
    ASSERT_TRUE(m_tmp.WriteFile("r1.log", Join(Pieces(2, 1, 2))));
    fs::remove_all(DataFolder());
    const twtest::TwdataOutcome import = On({"import-log", "--yes", File("r1.log"), File("r1.log")});
    EXPECT_EQ(import.status, 1);
    EXPECT_EQ(import.out, "0 route tables, 0 CDP tables, 0 MAC tables, 0 ARP tables were imported successfully.\n");
    EXPECT_EQ(import.err, "The DataFolder '" + DataFolder() + "' does not exist; nothing was imported.\n");
    EXPECT_FALSE(fs::exists(DataFolder()));
}

// Imports killed at random moments leave whole results under result names,
// temporaries that no listing shows and the next import removes, and every
// table with its old or its new bytes.
TEST_F(TwdataImportWrite, KilledImportsLeaveWholeFilesOnly)
{
    constexpr int kDevices = 12;
    constexpr int kRuns = 20;
    AddRouters(kDevices);
    // About 2.5 MB: results reach the disk in several batches while the log
    // is still being parsed, so their writing spans most of the import.
    std::vector<std::string> pieces = Pieces(1200, kDevices, 40);
    ASSERT_TRUE(m_tmp.WriteFile("big.log", Join(pieces)));
    pieces.back() += "\r\n"; // the empty line read after the log's last line end
    ASSERT_TRUE(m_tmp.WriteFile("old.log", Join(Pieces(3 * kDevices, kDevices, 3))));
    ASSERT_EQ(Import("old.log").status, 0);
    const std::map<std::string, std::string> oldTables = Tables(DataFolder());
    fs::remove_all(Results());

    // A complete import, watched: the kills fall between its first result and
    // its end, whatever the speed of this machine.
    using Clock = std::chrono::steady_clock;
    QProcess complete;
    Start(complete, "big.log");
    const Clock::time_point start = Clock::now();
    Clock::duration firstResult{};
    while (!complete.waitForFinished(1))
        if (firstResult == Clock::duration{} && !Names(Results()).empty())
            firstResult = Clock::now() - start;
    // Every other kill falls when that import has written a random number of
    // its results; the others fall after its first result, anywhere within the
    // writing the watched import took, tables (written last) included.
    // Process start-up varies too much on a busy machine to aim from the start.
    const long long writing =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start - firstResult).count();
    // Never more than three quarters: the rest is hundreds of results, far
    // more than one slice writes, so these kills fall while results are
    // being written.
    std::uniform_int_distribution<std::size_t> written(1, pieces.size() * 3 / 4);
    std::uniform_int_distribution<int> slice(100, 1500);
    std::uniform_int_distribution<long long> late(0, std::max(writing, 1LL));
    ASSERT_EQ(Names(Results()).size(), pieces.size());
    const std::map<std::string, std::string> newTables = Tables(DataFolder());
    ASSERT_EQ(oldTables.size(), newTables.size());
    fs::remove_all(Results());

    std::mt19937 random(std::random_device{}());
    std::set<std::string> checked;
    int whileResults = 0, whileTables = 0;
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        for (const auto& [table, bytes] : oldTables)
            ASSERT_TRUE(twtest::WriteBytes(DataFolder() + table, bytes));
        QProcess import;
        Start(import, "big.log");
        const pid_t pid = static_cast<pid_t>(import.processId());
        if (run % 2) {
            for (const Clock::time_point give = Clock::now() + std::chrono::seconds(10);
                 Names(Results()).size() <= checked.size() && Clock::now() < give;)
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            std::this_thread::sleep_for(std::chrono::microseconds(late(random)));
        } else {
            // In short slices, stopped while its results are counted: however
            // fast this machine writes them, the kill follows the chosen count.
            const std::size_t wanted = checked.size() + written(random);
            for (const Clock::time_point give = Clock::now() + std::chrono::seconds(20); Clock::now() < give;) {
                std::this_thread::sleep_for(std::chrono::microseconds(slice(random)));
                if (!StopProcess(pid) || Names(Results()).size() >= wanted)
                    break;
                ::kill(pid, SIGCONT);
            }
        }
        ::kill(pid, SIGKILL);
        ASSERT_TRUE(import.waitForFinished(10000));

        std::size_t added = 0;
        for (const std::string& name : Names(Results())) {
            if (!checked.insert(name).second)
                continue;
            ++added;
            const std::string bytes = twtest::ReadBytes(Results() + name);
            const std::size_t mark = bytes.find("! capture ");
            ASSERT_NE(mark, std::string::npos) << name;
            ASSERT_EQ(bytes, pieces.at(std::stoul(bytes.substr(mark + 10)))) << name;
        }
        whileResults += added > 0 && added < pieces.size();
        std::size_t renewed = 0;
        for (const auto& [table, bytes] : Tables(DataFolder())) {
            ASSERT_TRUE(bytes == oldTables.at(table) || bytes == newTables.at(table)) << table;
            renewed += bytes == newTables.at(table);
        }
        whileTables += renewed > 0 && renewed < newTables.size();
    }
    std::printf("%d of %d kills while results were written, %d while tables were\n", whileResults, kRuns, whileTables);
    EXPECT_GE(whileResults, kRuns / 4) << "the kills should land while results are written";

    // What the killed imports left is listed nowhere; the next import removes it.
    const int listed = EnumShowCommandResults({}, nullptr, 0, Results(), {}, false);
    EXPECT_EQ(listed, static_cast<int>(checked.size()));
    const std::string list = On({"results"}).out;
    EXPECT_EQ(static_cast<std::size_t>(std::count(list.begin(), list.end(), '\n')), checked.size());
    ASSERT_EQ(Import("old.log").status, 0);
    EXPECT_TRUE(Names(DataFolder(), true).empty());
}

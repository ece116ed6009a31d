// twdata's device, session-log, export and parser commands, run as the real
// executable on a temporary project.
#include "support/TempDir.h"
#include "TwdataRun.h"

#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/l2/CRouterObj.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;
using twtest::TempDir;

namespace {

using Outcome = twtest::TwdataOutcome;

const char* const kArpOutput =
    "Protocol  Address          Age (min)  Hardware Addr   Type   Interface\n"
    "Internet  10.1.1.1                -   0011.2233.4455  ARPA   GigabitEthernet0/0\n"
    "Internet  10.1.1.7               12   0011.2233.4466  ARPA   GigabitEthernet0/0\n";

class TwdataShowCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Twdata({"init", Project()}).status, 0); }

    QString Project() const { return QString::fromStdString(m_tmp / "project"); }
    QString File(const std::string& name) const { return QString::fromStdString(m_tmp / name); }
    Outcome On(const QStringList& args) const { return Twdata(QStringList{"-p", Project()} + args); }

    // Host settings go to the test's folder, never the user's.
    Outcome Twdata(const QStringList& args) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TW_HOST_SETTINGS", QString::fromStdString(m_tmp / "settings.ini"));
        return twtest::RunTwdata(args, env);
    }

    std::string ResultFolder() const { return m_tmp / "project/DataFolders/Local default/ShowCommand/"; }

    // r1 with two imported results and an older one carrying a note; sw2 with one.
    void ImportResults()
    {
        ASSERT_EQ(On({"device", "add", "r1"}).status, 0);
        ASSERT_EQ(On({"device", "add", "sw2"}).status, 0);
        ASSERT_TRUE(m_tmp.WriteFile("logs/r1.log", std::string("r1#show arp\r\n") + kArpOutput +
                                                       "r1#show ip route\r\n"
                                                       "C        10.1.1.0/24 is directly connected, Gi0/0\r\n"
                                                       "r1#\r\n"));
        ASSERT_TRUE(m_tmp.WriteFile("logs/sw2.log", std::string("sw2#show arp\r\n") + kArpOutput + "sw2#\r\n"));
        const Outcome import = On({"import-log", "--yes", File("logs")});
        ASSERT_EQ(import.status, 0) << import.err;
        ASSERT_TRUE(WriteShowCommandResult(
            ResultFolder() + CFileName::ToShowCommandResultFileName("r1", "show arp", "2001-01-01 00-00-00.000", "txt"),
            "old table\r\n", "checked by noc"));
    }

    TempDir m_tmp;
};

// The lines of a one-line-per-error stderr.
int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

} // namespace

TEST_F(TwdataShowCommand, DeviceAddListRemoveRoundTrip)
{
    EXPECT_EQ(On({"device", "add", "core-1"}).status, 0);
    EXPECT_EQ(On({"device", "add", "edge-fw", "--type", "firewall"}).status, 0);
    EXPECT_EQ(On({"device", "list"}).out, "core-1\trouter\nedge-fw\tfirewall\n");
    EXPECT_EQ(On({"device", "add", "CORE-1"}).status, 1);
    EXPECT_EQ(On({"device", "add", "x", "--type", "hub"}).status, 2);
    EXPECT_EQ(On({"device", "add", "bad[name]"}).status, 1);

    EXPECT_EQ(On({"device", "remove", "core-1"}).status, 0);
    EXPECT_EQ(On({"device", "list"}).out, "edge-fw\tfirewall\n");
    const Outcome missing = On({"device", "remove", "core-1"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("core-1"), std::string::npos);
}

TEST_F(TwdataShowCommand, ImportedLogIsListedAndShown)
{
    ASSERT_EQ(On({"device", "add", "r1"}).status, 0);
    // A folder brings in its files, not those of its sub-folders.
    ASSERT_TRUE(m_tmp.WriteFile("logs/session.log", std::string("r1#show arp\r\n") + kArpOutput +
                                                        "r1#show ip route\r\n"
                                                        "C        10.1.1.0/24 is directly connected, Gi0/0\r\n"
                                                        "r1#show version\r\nCisco IOS Software\r\nr1#\r\n"));
    ASSERT_TRUE(m_tmp.WriteFile("logs/old/other.log", "r1#show arp\r\n" + std::string(kArpOutput)));

    const Outcome import = On({"import-log", "--yes", File("logs")});
    EXPECT_EQ(import.status, 0) << import.err;
    EXPECT_EQ(import.out.rfind("1 route tables, 0 CDP tables, 0 MAC tables, 1 ARP tables were imported successfully.\n"
                               "Do you want to recalculate the L2 Topology with imported L2 data now?\n",
                               0),
              0u)
        << import.out;
    EXPECT_NE(import.err.find("recalculate the L2 Topology"), std::string::npos);
    EXPECT_NE(m_tmp.ReadFile("settings.ini").find("UseCacheDatainDiscover=true"), std::string::npos);

    const Outcome results = On({"results"});
    ASSERT_EQ(results.status, 0);
    EXPECT_NE(results.out.find("r1\tshow arp\t"), std::string::npos) << results.out;
    EXPECT_NE(results.out.find("r1\tshow ip route\t"), std::string::npos) << results.out;
    EXPECT_EQ(results.out.find("show version"), std::string::npos);
    EXPECT_EQ(On({"results", "--command", "show ip route"}).out.find("show arp"), std::string::npos);

    const Outcome shown = On({"show-result", "r1", "show arp"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("10.1.1.7               12   0011.2233.4466"), std::string::npos) << shown.out;
    EXPECT_EQ(shown.out.find("NOTE:"), std::string::npos);
    EXPECT_EQ(On({"show-result", "r1", "show clock"}).status, 1);

    // An older result with a note: the newest stays the default, the time picks the old one.
    const std::string folder = m_tmp / "project/DataFolders/Local default/ShowCommand/";
    ASSERT_TRUE(fs::is_directory(folder));
    const std::string old = folder + CFileName::ToShowCommandResultFileName("r1", "show arp", "2001-01-01 00-00-00.000", "txt");
    ASSERT_TRUE(WriteShowCommandResult(old, "old table\r\n", "checked by noc"));
    EXPECT_EQ(On({"show-result", "r1", "show arp"}).out, shown.out);
    const Outcome noted = On({"show-result", "r1", "show arp", "2001-01-01 00-00-00.000"});
    EXPECT_EQ(noted.out, "old table\nNOTE:\nchecked by noc\n");
    EXPECT_EQ(On({"results", "--datafolder", "Nowhere"}).status, 1);

    // Stray files that are no result names are neither the newest nor listed.
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/ShowCommand/r1$show arp$zzz.txt", "stray"));
    EXPECT_EQ(On({"show-result", "r1", "show arp"}).out, shown.out);
    EXPECT_EQ(On({"results"}).out.find("zzz"), std::string::npos);
}

TEST_F(TwdataShowCommand, ParsePrintsTheTableOrFails)
{
    ASSERT_TRUE(m_tmp.WriteFile("arp.txt", kArpOutput));
    const Outcome arp = Twdata({"parse", "arp", File("arp.txt")});
    ASSERT_EQ(arp.status, 0) << arp.err;
    std::string header;
    for (const std::string& column : CRouterObj::ArpColumns())
        header += (header.empty() ? "" : "\t") + column;
    EXPECT_EQ(arp.out.rfind(header + "\r\n", 0), 0u) << arp.out;
    EXPECT_NE(arp.out.find("10.1.1.7"), std::string::npos);

    EXPECT_EQ(Twdata({"parse", "cdp", File("arp.txt")}).status, 1);
    EXPECT_EQ(Twdata({"parse", "arp", File("missing.txt")}).status, 1);
}

TEST_F(TwdataShowCommand, ExportMergesEveryResultIntoItsDevicesFile)
{
    ImportResults();
    ASSERT_TRUE(m_tmp.WriteFile("out/r1.txt", "stale export of an earlier day\r\n"));

    // Each device's blocks, in the order the folder lists its results.
    std::map<std::string, std::string> expected;
    int results = 0;
    EnumShowCommandResults(
        [&](const platform::DirEntry& entry, int, std::intptr_t, void*) {
            std::string device, command, time;
            ASSERT_TRUE(CFileName::FromShowCommandResultFileName(entry.name, device, command, time));
            std::string content = twtest::ReadBytes(ResultFolder() + entry.name);
            if (time.rfind("2001-", 0) == 0)
                content = "old table\r\nNOTE here:checked by noc";
            expected[device + ".txt"] +=
                "#--- " + device + "  " + command + "  Execute at " + time + "\r\n" + content + "\r\n\r\n";
            ++results;
        },
        nullptr, 0, ResultFolder(), "", false);
    ASSERT_EQ(results, 4);

    // A name without a device exports nowhere: no hidden ".txt".
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/ShowCommand/$show arp$2001-01-02 00-00-00.000.txt",
                                "no device"));
    for (int run = 0; run < 2; ++run) {   // a second run replaces, never appends
        const Outcome exported = On({"export", File("out")});
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.out, "4 results exported to " + (m_tmp / "out/") + "\n");
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_tmp / "out"))
            names.insert(entry.path().filename().string());
        EXPECT_EQ(names, (std::set<std::string>{"r1.txt", "sw2.txt"}));
        for (const auto& [name, blocks] : expected)
            EXPECT_EQ(m_tmp.ReadFile("out/" + name), blocks) << name;
    }

    EXPECT_NE(Twdata({"--help"}).out.find("export"), std::string::npos);
}

TEST_F(TwdataShowCommand, ExportRefusalsAreOneLineAndLeaveTheDiskAsItWas)
{
    // Nothing to export yet, and an unknown DataFolder: no folder is made.
    Outcome run = On({"export", File("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.err), 1) << run.err;
    run = On({"export", File("out"), "--datafolder", "Nowhere"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nowhere"), std::string::npos);
    EXPECT_FALSE(m_tmp.Exists("out"));
    EXPECT_EQ(On({"export"}).status, 2);

    ImportResults();
    ASSERT_TRUE(m_tmp.WriteFile("plain", "keep me"));
    for (const char* target : {"plain", "plain/sub"}) {
        run = On({"export", File(target)});
        EXPECT_EQ(run.status, 1) << target;
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    EXPECT_EQ(m_tmp.ReadFile("plain"), "keep me");

    // Export files among the results would be listed as results next time.
    run = On({"export", QString::fromStdString(ResultFolder())});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(fs::exists(ResultFolder() + "r1.txt"));

    // A device whose file cannot be placed fails alone; the other is still exported.
    ASSERT_TRUE(m_tmp.MakeDir("out/r1.txt"));
    run = On({"export", File("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("r1.txt"), std::string::npos);
    EXPECT_EQ(run.out.rfind("1 result exported", 0), 0u) << run.out;
    EXPECT_FALSE(m_tmp.ReadFile("out/sw2.txt").empty());
}

TEST_F(TwdataShowCommand, ImportNamesTheLogsItCouldNotReadToTheEnd)
{
    ASSERT_EQ(On({"device", "add", "r1"}).status, 0);
    ASSERT_TRUE(m_tmp.WriteFile("logs/a.log", "r1#show arp\r\n" + std::string(kArpOutput)));
    ASSERT_TRUE(m_tmp.WriteFile("logs/b.log", "r1#show ip route\r\nC        10.1.1.0/24 is directly connected, Gi0/0\r\n" +
                                                  std::string(2100, '=') + "\r\nr1#show arp\r\n"));

    const Outcome import = On({"import-log", "--yes", File("logs"), "/proc/self/mem"});
    EXPECT_EQ(import.status, 1);
    EXPECT_EQ(import.out.rfind("1 route tables, 0 CDP tables, 0 MAC tables, 1 ARP tables", 0), 0u) << import.out;
    EXPECT_NE(import.err.find(m_tmp / "logs/b.log" +
                              ", line 3: longer than 2,047 characters; the rest of the file was not imported\n"),
              std::string::npos)
        << import.err;
    EXPECT_NE(import.err.find("/proc/self/mem: cannot be read (Input/output error); nothing was imported from it\n"),
              std::string::npos)
        << import.err;
}

TEST_F(TwdataShowCommand, ImportGoesOnlyIntoTheCurrentDataFolderAndAsksBeforeALockedOne)
{
    ASSERT_EQ(On({"device", "add", "r1"}).status, 0);
    ASSERT_EQ(On({"new", "Audit", "--locked"}).status, 0);
    ASSERT_TRUE(m_tmp.WriteFile("r1.log", "r1#show arp\r\n" + std::string(kArpOutput)));
    const std::string audit = m_tmp / "project/DataFolders/Audit/";
    const std::string local = m_tmp / "project/DataFolders/Local default/";

    // Its tables would go into the current DataFolder: refused, on one line.
    Outcome run = On({"import-log", "--datafolder", "Audit", "--yes", File("r1.log")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("--make-current"), std::string::npos) << run.err;

    // Read-only: only a Yes writes into it, and only then does it become current.
    const std::string question = "'Audit' is the read-only DataFolder. \nYou can use another DataFolder to save your "
                                 "data, \notherwise the data in 'Audit' will be overwritten.\nAre you sure to continue?";
    run = On({"import-log", "--datafolder", "Audit", "--make-current", File("r1.log")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind(question + "\n", 0), 0u) << run.err;
    EXPECT_EQ(On({"current"}).out, "Local default\n");
    EXPECT_FALSE(fs::exists(audit + "ShowCommand"));
    EXPECT_FALSE(fs::exists(audit + "LiveArpTable"));

    run = On({"import-log", "--datafolder", "Audit", "--make-current", "--yes", File("r1.log")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.rfind(question + " [y/N] y (--yes)\n", 0), 0u) << run.err;
    EXPECT_EQ(On({"current"}).out, "Audit\n");
    EXPECT_TRUE(fs::exists(audit + "LiveArpTable/r1.txt"));   // raw copy
    EXPECT_TRUE(fs::exists(audit + "LiveArpTable/r1.oat"));   // parsed table
    EXPECT_FALSE(fs::exists(local + "LiveArpTable"));

    // The current DataFolder is asked about as well.
    run = On({"import-log", File("r1.log")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind(question + "\n", 0), 0u) << run.err;
    EXPECT_EQ(On({"import-log", "--make-current", File("r1.log")}).status, 2);
}

// twdata's device, session-log and parser commands, run as the real executable
// on a temporary project.
#include "support/TempDir.h"
#include "TwdataRun.h"

#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "host/l2/CRouterObj.h"
#include "host/util/CFileName.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using twtest::TempDir;

namespace {

using Outcome = twtest::TwdataOutcome;

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

    TempDir m_tmp;
};

const char* const kArpOutput =
    "Protocol  Address          Age (min)  Hardware Addr   Type   Interface\n"
    "Internet  10.1.1.1                -   0011.2233.4455  ARPA   GigabitEthernet0/0\n"
    "Internet  10.1.1.7               12   0011.2233.4466  ARPA   GigabitEthernet0/0\n";

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
    EXPECT_EQ(import.out.rfind("1 route tables, 0 CDP tables, 0 MAC tables, 1 ARP tables were imported successfully.\n",
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

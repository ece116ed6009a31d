// twdata as a script uses it: the real executable, run on a temporary project,
// judged by its exit status, its output and the files it leaves.
#include "support/TempDir.h"
#include "TwdataRun.h"

#include "platform/core/FileTimes.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using twtest::TempDir;

namespace {

using Outcome = twtest::TwdataOutcome;

Outcome Twdata(const QStringList& args) { return twtest::RunTwdata(args); }

// A project made by "twdata init"; args go after "-p DIR".
class TwdataProject : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Twdata({"init", Dir()}).status, 0); }
    QString Dir() const { return QString::fromStdString(m_tmp.Path() + "project"); }
    std::string DataFolder(const std::string& name) const { return m_tmp.Path() + "project/DataFolders/" + name; }
    Outcome On(QStringList args) const { return Twdata(QStringList{"-p", Dir()} + args); }

    TempDir m_tmp;
};

} // namespace

TEST_F(TwdataProject, InitGivesTheSystemDataFolderAsCurrent)
{
    EXPECT_NE(m_tmp.ReadFile("project/Workspace.ini").find("Name=project"), std::string::npos);
    const Outcome list = On({"list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Local default\tLocal default\t2\tunlocked\tcurrent\n");

    ASSERT_EQ(Twdata({"init", QString::fromStdString(m_tmp / "named"), "--name", "Campus East"}).status, 0);
    EXPECT_NE(m_tmp.ReadFile("named/Workspace.ini").find("Name=Campus East"), std::string::npos);
}

TEST_F(TwdataProject, NewChecksTheNameAndLockToggleReachesTheDescriptor)
{
    const Outcome refused = On({"new", "north:core"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("The DataFolder's name can't include any of the following characters\n"
                               "\t \\ / : * ? \" < > |\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(DataFolder("north:core")));
    EXPECT_EQ(On({"new", "local DEFAULT"}).err.find("The DataFolder already exists."), 0u);

    ASSERT_EQ(On({"new", "Core"}).status, 0);
    EXPECT_EQ(On({"lock", "core"}).status, 0);
    const Outcome again = On({"lock", "Core"});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("already locked"), std::string::npos);
    EXPECT_EQ(On({"list"}).out, "Core\tCore\t2\tlocked\n"
                                "Local default\tLocal default\t2\tunlocked\tcurrent\n");
    ASSERT_EQ(On({"unlock", "Core"}).status, 0);
    EXPECT_NE(m_tmp.ReadFile("project/DataFolders/Core/TheDataset.Desc").find("<IsLocked>False</IsLocked>"),
              std::string::npos);

    ASSERT_EQ(On({"new", "Edge", "--locked"}).status, 0);
    EXPECT_NE(m_tmp.ReadFile("project/DataFolders/Edge/TheDataset.Desc").find("<IsLocked>True</IsLocked>"),
              std::string::npos);

    // A descriptor that cannot be written is reported, not taken as done.
    ASSERT_TRUE(fs::remove(DataFolder("Core/TheDataset.Desc")));
    ASSERT_TRUE(m_tmp.MakeDir("project/DataFolders/Core/TheDataset.Desc"));
    const Outcome unwritable = On({"lock", "Core"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot be written"), std::string::npos);
}

TEST_F(TwdataProject, CurrentIsRecordedAndCannotBeDeleted)
{
    ASSERT_EQ(On({"new", "Survey"}).status, 0);
    ASSERT_EQ(On({"current", "survey"}).status, 0);
    const std::string record = m_tmp.ReadFile("project/TWDataSet.ini");
    EXPECT_NE(record.find("Current=Survey\r\n"), std::string::npos) << record;
    EXPECT_NE(record.find("CurrentPath=" + DataFolder("Survey") + "/\r\n"), std::string::npos) << record;
    EXPECT_EQ(On({"current"}).out, "Survey\n");
    EXPECT_NE(On({"list"}).out.find("Survey\tSurvey\t2\tunlocked\tcurrent\n"), std::string::npos);

    const Outcome refused = On({"delete", "Survey", "--yes"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "The current DataFolder cannot be deleted.\n");
    EXPECT_TRUE(fs::is_directory(DataFolder("Survey")));
}

TEST_F(TwdataProject, DeleteWithoutATerminalNeedsYes)
{
    ASSERT_EQ(On({"new", "Old"}).status, 0);
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Old/LiveConfig/r1.config", "hostname r1\r\n"));

    const Outcome refused = On({"delete", "Old"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.find("Are you sure you want to delete the DataFolder?\n"), 0u);
    EXPECT_NE(refused.err.find("--yes"), std::string::npos);
    EXPECT_TRUE(fs::exists(DataFolder("Old/LiveConfig/r1.config")));

    ASSERT_EQ(On({"lock", "Old"}).status, 0);
    EXPECT_EQ(On({"delete", "Old", "--yes"}).status, 1);
    EXPECT_TRUE(fs::exists(DataFolder("Old/LiveConfig/r1.config")));
    ASSERT_EQ(On({"unlock", "Old"}).status, 0);
    EXPECT_EQ(On({"delete", "Old", "--yes"}).status, 0);
    EXPECT_FALSE(fs::exists(DataFolder("Old")));
    EXPECT_EQ(On({"list"}).out.find("Old"), std::string::npos);
    EXPECT_EQ(On({"delete", "Old", "--yes"}).status, 1);
}

TEST_F(TwdataProject, LinkAndUnlinkKeepTheOutsideFiles)
{
    ASSERT_TRUE(m_tmp.WriteFile("outside/LiveConfig/edge.config", "hostname edge\r\n"));
    const std::string outside = m_tmp / "outside";
    ASSERT_EQ(On({"link", QString::fromStdString(outside + "/"), "--brief", "Field"}).status, 0);
    EXPECT_NE(On({"list"}).out.find(outside + "\tField\t3\tunlocked\n"), std::string::npos);
    const Outcome twice = On({"link", QString::fromStdString(outside)});
    EXPECT_EQ(twice.status, 0);
    EXPECT_NE(twice.out.find("already"), std::string::npos);
    EXPECT_EQ(On({"link", QString::fromStdString(m_tmp / "missing")}).status, 1);
    EXPECT_NE(On({"files", "LiveConfig", "--datafolder", "Field"}).out.find("\nedge\t"), std::string::npos);

    EXPECT_EQ(On({"unlink", "Local default"}).status, 1);
    ASSERT_EQ(On({"unlink", "Field"}).status, 0);
    EXPECT_EQ(On({"list"}).out.find(outside), std::string::npos);
    EXPECT_TRUE(fs::exists(outside + "/LiveConfig/edge.config"));
    EXPECT_EQ(On({"unlink", "Field"}).status, 1);
}

TEST_F(TwdataProject, FilesPrintTheBrowsersRowsOfAKind)
{
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/LiveConfig/rtAB1.config", "a"));
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/LiveConfig/sw2.config", "b"));
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/LiveConfig/notes.txt", "c"));
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/ShowCommand/rtAB1$show ip route$20240101.txt", "d"));
    const std::string rt = DataFolder("Local default/LiveConfig/rtAB1.config");
    const std::string when = platform::FormatLocalTime(platform::LastWriteTime(rt), "%Y-%m-%d %H:%M:%S");

    const Outcome filtered = On({"files", "16", "--filter", "ab"});
    EXPECT_EQ(filtered.status, 0);
    EXPECT_EQ(filtered.out, "Hostname\tExecution Time\nrtAB1\t" + when + "\n");
    const Outcome all = On({"files", "liveconfig"});
    EXPECT_NE(all.out.find("\nsw2\t"), std::string::npos);
    EXPECT_EQ(all.out.find("notes"), std::string::npos);
    // Show-command results as their page shows them; the device part is matched as written.
    EXPECT_EQ(On({"files", "ShowCommand", "--filter", "AB"}).out,
              "Hostname\tShow Command\tExecution Time\nrtAB1\tshow ip route\t20240101\n");
    EXPECT_EQ(On({"files", "ShowCommand", "--filter", "ab"}).out, "Hostname\tShow Command\tExecution Time\n");
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/ShowCommand/readme.txt", "e"));
    const Outcome named = On({"files", "ShowCommand"});
    EXPECT_NE(named.out.find("\nreadme\t\t\n"), std::string::npos);
    EXPECT_EQ(named.err, "twdata: 1 file is not named as a show-command result (<device>$<command>$<time>.txt): "
                         "listed with an empty Execution Time.\n");

    EXPECT_EQ(On({"files", "NoSuchKind"}).status, 2);
    EXPECT_EQ(On({"files", "19"}).status, 2);
    EXPECT_EQ(On({"files", "LiveConfig", "--datafolder", "Nowhere"}).status, 1);
}

TEST_F(TwdataProject, FilesOfATableKindShowHostNameAndTimeAndSayWhatIsOdd)
{
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/LiveRouteTable/core1$backup$vrfA.ort", "x"));
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/LiveRouteTable/a$b$c$d.ort", "x"));
    const std::string when = platform::FormatLocalTime(
        platform::LastWriteTime(DataFolder("Local default/LiveRouteTable/core1$backup$vrfA.ort")), "%Y-%m-%d %H:%M");
    const Outcome routes = On({"files", "LiveRouteTable"});
    EXPECT_EQ(routes.status, 0);
    EXPECT_EQ(routes.out.find("Hostname\tName\tExecution Time\n"), 0u);
    EXPECT_NE(routes.out.find("\ncore1 vrfA\tbackup\t" + when + "\n"), std::string::npos) << routes.out;
    EXPECT_NE(routes.out.find("\na$b$c$d\t\t"), std::string::npos) << routes.out;
    EXPECT_NE(routes.err.find("1 file is not named as a table"), std::string::npos) << routes.err;

    // A kind folder that is a file is said, not listed as empty.
    ASSERT_TRUE(m_tmp.WriteFile("project/DataFolders/Local default/LiveArpTable", "not a folder"));
    const Outcome arp = On({"files", "LiveArpTable"});
    EXPECT_EQ(arp.status, 1);
    EXPECT_EQ(arp.out, "Hostname\tName\tExecution Time\n");
    EXPECT_NE(arp.err.find("LiveArpTable"), std::string::npos) << arp.err;
}

TEST(Twdata, WrongUsageAndMissingProject)
{
    TempDir tmp;
    EXPECT_EQ(Twdata({}).status, 2);
    EXPECT_EQ(Twdata({"-p", QString::fromStdString(tmp.Path()), "frobnicate"}).status, 2);
    EXPECT_EQ(Twdata({"list"}).status, 2);
    EXPECT_EQ(Twdata({"-p", QString::fromStdString(tmp.Path()), "new"}).status, 2);
    const Outcome notProject = Twdata({"-p", QString::fromStdString(tmp / "none"), "list"});
    EXPECT_EQ(notProject.status, 1);
    EXPECT_EQ(notProject.err, "-p " + tmp / "none" + " is not a project (no Workspace.ini)\n");
    const Outcome help = Twdata({"link", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--brief"), std::string::npos);
}

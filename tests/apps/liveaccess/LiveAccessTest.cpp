// The workstation's live access and "twdata collect" against emulated devices
// behind a real OpenSSH server on loopback: Re-Execute writes a result,
// "Retrieve Live Data" and collect fill a DataFolder through the import's
// saving and parsing, and devices that fail leave nothing behind.
#include "support/SshTestServer.h"
#include "support/ScriptedPrompter.h"
#include "support/MemorySecretStore.h"
#include "apps/twdata/TwdataRun.h"

#include "apps/workstation/CLiveAccessCenter.h"
#include "apps/workstation/CLiveProgressWindow.h"
#include "host/liveaccess/CDeviceAccess.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/util/TWFileSystem.h"

#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using twtest::EmulatedDevice;
using twtest::MemorySecretStore;
using twtest::SshTestServer;

int CountFiles(const std::string& folder, const std::string& prefix = "")
{
    int count = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().filename().string().rfind(prefix, 0) == 0)
            ++count;
    return count;
}

// Temporaries of whole-file writes start with a dot.
int CountTemporaries(const std::string& root)
{
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.path().filename().string()[0] == '.')
            ++count;
    return count;
}

class LiveAccessTest : public ::testing::Test {
protected:
    // Devices of the project: the emulated ones, and unreachable ones on ports nobody listens on.
    void Start(const std::vector<EmulatedDevice>& devices, const std::vector<std::string>& unreachable = {})
    {
        const std::string reason = m_server.Start(devices);
        if (!reason.empty())
            GTEST_SKIP() << "Skipped: no test SSH server (" << reason << ")";
        m_project = m_dir / "lab";
        TWFileSystem::CreateProject(m_project, "Lab");
        std::string ini;
        std::ofstream known(m_server.KnownHostsFile());
        for (const EmulatedDevice& device : devices) {
            ini += Section(device.name, device.platform == "CatOS" ? "catos" : device.platform == "NX-OS" ? "nxos" : "ios",
                           m_server.Port(device.name));
            if (!device.user.empty())
                ini += "User=" + device.user + "\n";
            known << m_server.KnownHostsLine(device.name);
        }
        for (const std::string& device : unreachable)
            ini += Section(device, "ios", SshTestServer::UnusedPort());
        twtest::WriteBytes(m_project + "/Devices.ini", ini);
        m_fileSystem = std::make_unique<TWFileSystem>(m_project);
        SetCurrBaselineFileSystem(m_fileSystem.get());
        m_dataFolder = m_fileSystem->GetDataSetRecent();
    }

    void TearDown() override { SetCurrBaselineFileSystem(nullptr); }

    static std::string Section(const std::string& name, const std::string& subType, int port)
    {
        return "[" + name + "]\nType=router\nSubType=" + subType + "\nAddress=127.0.0.1\nPort=" +
               std::to_string(port) + "\n";
    }

    void Configure(workstation::CLiveAccessCenter& center)
    {
        center.SetSshFiles(m_server.KnownHostsFile(), {m_server.ClientKey()});
        center.SetTimeouts(CliTimeouts{15000, 15000});
    }

    SshTestServer m_server;
    twtest::TempDir m_dir;
    std::string m_project;
    std::string m_dataFolder;
    std::unique_ptr<TWFileSystem> m_fileSystem;
};

TEST_F(LiveAccessTest, ReExecuteWritesTheResultAsAnImportWouldOrNothing)
{
    Start({{"core-r1", "IOS"}});
    if (IsSkipped())
        return;
    twtest::ScriptedPrompter prompter;
    workstation::CLiveAccessCenter center;
    Configure(center);
    const std::string folder = m_dataFolder + "ShowCommand/";
    fs::create_directories(folder);

    ASSERT_TRUE(center.ExecuteCommand("core-r1", "show arp", folder + "first.txt", nullptr));
    const std::string result = twtest::ReadBytes(folder + "first.txt");
    EXPECT_EQ(result.rfind("core-r1#show arp\r\nProtocol  Address", 0), 0u) << result;

    prompter.ExpectMessage(
        "core-r1: 0 of 1 commands returned output. The device rejected \"show bogus\": % Invalid input detected at "
        "'^' marker.",
        platform::BoxAnswer::Ok);
    EXPECT_FALSE(center.ExecuteCommand("core-r1", "show bogus", folder + "second.txt", nullptr));
    EXPECT_FALSE(fs::exists(folder + "second.txt"));

    prompter.ExpectMessage("The device 'edge9' is not in the project's device inventory, so it cannot be reached.",
                           platform::BoxAnswer::Ok);
    EXPECT_FALSE(center.ExecuteCommand("edge9", "show arp", folder + "third.txt", nullptr));
    EXPECT_EQ(prompter.PendingCount(), 0u);
}

TEST_F(LiveAccessTest, APasswordIsAskedOnceKeptForItsLoginAndAskedAgainOnceRefused)
{
    EmulatedDevice device{"core-r1", "IOS"};
    device.user = "netops";
    device.password = "Lab-Pass 1";
    Start({device});
    if (IsSkipped())
        return;
    twtest::ScriptedPrompter prompter;
    twtest::MemorySecretStore store;
    workstation::CLiveAccessCenter center;
    Configure(center);
    center.SetSecretStore(store);
    const std::string folder = m_dataFolder + "ShowCommand/";
    fs::create_directories(folder);
    const int port = m_server.Port("core-r1");
    const MemorySecretStore::Key login{"127.0.0.1", port, "netops"};

    prompter.ExpectInput("Lab-Pass 1");
    ASSERT_TRUE(center.ExecuteCommand("core-r1", "show arp", folder + "first.txt", nullptr));
    ASSERT_EQ(prompter.log.size(), 1u);
    EXPECT_EQ(prompter.log[0].text, "Password of netops on 127.0.0.1 (port " + std::to_string(port) + "):");
    EXPECT_EQ(store.secrets, (std::map<MemorySecretStore::Key, std::string>{{login, "Lab-Pass 1"}}));
    EXPECT_EQ(twtest::ReadBytes(folder + "first.txt").rfind("core-r1#show arp\r\n", 0), 0u);

    // Kept: the next login asks nothing.
    EXPECT_TRUE(center.ExecuteCommand("core-r1", "show arp", folder + "second.txt", nullptr));
    EXPECT_EQ(prompter.log.size(), 1u);

    // A kept password that the device no longer takes is dropped, so the next login asks.
    store.secrets[login] = "last year's";
    prompter.ExpectMessage("core-r1: The password of netops was refused by 127.0.0.1 port " + std::to_string(port) +
                               ".",
                           platform::BoxAnswer::Ok);
    EXPECT_FALSE(center.ExecuteCommand("core-r1", "show arp", folder + "third.txt", nullptr));
    EXPECT_TRUE(store.secrets.empty());
    prompter.ExpectInput("Lab-Pass 1");
    EXPECT_TRUE(center.ExecuteCommand("core-r1", "show arp", folder + "fourth.txt", nullptr));
    EXPECT_EQ(prompter.PendingCount(), 0u);
    // Nothing typed reaches the project.
    for (const auto& entry : fs::recursive_directory_iterator(m_project)) {
        if (entry.is_regular_file()) {
            EXPECT_EQ(twtest::ReadBytes(entry.path().string()).find("Lab-Pass"), std::string::npos) << entry.path();
        }
    }
}

TEST_F(LiveAccessTest, RetrievingFiftyDevicesOfWhichTenAreUnreachableSavesTheForty)
{
    std::vector<EmulatedDevice> devices;
    for (int i = 1; i <= 40; ++i)
        devices.push_back({"edge" + std::to_string(i), "IOS", "normal", "*"});
    std::vector<std::string> unreachable;
    for (int i = 1; i <= 10; ++i)
        unreachable.push_back("gone" + std::to_string(i));
    Start(devices, unreachable);
    if (IsSkipped())
        return;

    twtest::ScriptedPrompter prompter;
    workstation::CLiveAccessCenter center;
    Configure(center);
    std::string names;
    for (const auto& device : devices)
        names += device.name + "\n";
    for (const auto& device : unreachable)
        names += device + "\n";
    center.RetrieveLiveData(names, m_dataFolder, 2);
    EXPECT_TRUE(center.IsRetrieving());
    ASSERT_TRUE(center.WaitForRetrieval(120000));

    int succeeded = 0, refused = 0;
    for (const DeviceOutcome& outcome : center.LastOutcomes()) {
        if (outcome.device.rfind("edge", 0) == 0) {
            succeeded += outcome.AllSucceeded() ? 1 : 0;
            EXPECT_TRUE(outcome.AllSucceeded()) << outcome.device << ": " << outcome.Summary();
        } else {
            refused += outcome.error.rfind("Cannot connect to 127.0.0.1", 0) == 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(succeeded, 40);
    EXPECT_EQ(refused, 10);

    // Configuration, then route, ARP, MAC, CDP and interface results for each device that answered.
    EXPECT_EQ(CountFiles(m_dataFolder + "LiveConfig/"), 40);
    EXPECT_NE(twtest::ReadBytes(m_dataFolder + "LiveConfig/edge7.config").find("hostname core-r1\r\n"),
              std::string::npos);
    EXPECT_EQ(CountFiles(m_dataFolder + "ShowCommand/"), 40 * 5);
    EXPECT_EQ(CountFiles(m_dataFolder + "ShowCommand/", "gone"), 0);
    EXPECT_EQ(CountFiles(m_dataFolder + "LiveRouteTable/"), 40 * 2);   // the table and the raw copy
    EXPECT_EQ(CountTemporaries(m_dataFolder), 0);

    QStandardItemModel* rows = center.ProgressWindow()->Model();
    ASSERT_EQ(rows->rowCount(), 50);
    EXPECT_EQ(rows->item(0, workstation::CLiveProgressWindow::StateColumn)->text(), "Done");
    EXPECT_EQ(rows->item(45, workstation::CLiveProgressWindow::StateColumn)->text(), "Failed");
    EXPECT_EQ(center.ProgressWindow()->Summary(), "40 of 50 devices returned all their live data.");
}

TEST_F(LiveAccessTest, CollectPrintsOneLinePerDeviceAndFailsWhenOneDid)
{
    Start({{"edge1", "IOS", "normal", "*"}, {"drop", "IOS", "drop", "*"}}, {"gone"});
    if (IsSkipped())
        return;
    const QStringList common{"-p",
                             QString::fromStdString(m_project),
                             "collect",
                             "--known-hosts",
                             QString::fromStdString(m_server.KnownHostsFile()),
                             "--identity",
                             QString::fromStdString(m_server.ClientKey()),
                             "--timeout",
                             "15"};
    SetCurrBaselineFileSystem(nullptr);

    twtest::TwdataOutcome run = twtest::RunTwdata(common + QStringList{"--command", "show arp", "edge1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "edge1\tOK\t1 of 1 commands returned output.\n");
    EXPECT_EQ(CountFiles(m_dataFolder + "ShowCommand/"), 1);
    EXPECT_EQ(CountFiles(m_dataFolder + "LiveArpTable/"), 2);   // the table and the raw copy

    run = twtest::RunTwdata(common + QStringList{"edge1", "drop", "gone"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("edge1\tOK\t6 of 6 commands returned output.\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("drop\tFAILED\t0 of 6 commands returned output. The device closed the connection in "
                           "the middle of \"show running-config\"."),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("gone\tFAILED\tCannot connect to 127.0.0.1 port"), std::string::npos) << run.out;
    EXPECT_EQ(CountFiles(m_dataFolder + "ShowCommand/", "drop"), 0);
    EXPECT_FALSE(fs::exists(m_dataFolder + "LiveConfig/drop.config"));
    EXPECT_EQ(CountTemporaries(m_dataFolder), 0);
}

} // namespace

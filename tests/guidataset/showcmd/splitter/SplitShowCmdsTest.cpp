// Session logs in, stored files out: each log under logs/ is split into a fresh
// project's DataFolder and every file there is compared byte for byte with
// logs/<log>.expected/. Result names carry the import time, which is replaced
// by the result's place among the results of its device and command ("$1").
// TW_UPDATE_GOLDEN=1 rewrites the expected files from the current output.
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/util/TWFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

const std::string kLogs = std::string(TW_SOURCE_DIR) + "/tests/guidataset/showcmd/splitter/logs/";

const char* kDevicesIni =
    "[core-r1]\nType=router\nSubType=ios\n"
    "[dist-sw1]\nType=switch\nSubType=ios\n"
    "[nx-core1]\nType=switch\nSubType=nxos\n"
    "[access-sw2]\nType=switch\nSubType=catos\nOriName=cat-sw\n";

class Splitter : public SplitShowCmds {
public:
    using SplitShowCmds::findShowCmd;
};

class Project {
public:
    Project()
    {
        m_folder = m_dir / "lab";
        TWFileSystem::CreateProject(m_folder, "Lab");
        twtest::WriteBytes(m_folder + "/Devices.ini", kDevicesIni);
        m_fileSystem = std::make_unique<TWFileSystem>(m_folder);
        SetCurrBaselineFileSystem(m_fileSystem.get());
    }
    ~Project() { SetCurrBaselineFileSystem(nullptr); }
    std::string DataFolder() const { return m_fileSystem->GetDataSetRecent(); }
    const twtest::TempDir& Dir() const { return m_dir; }

private:
    twtest::TempDir m_dir;
    std::string m_folder;
    std::unique_ptr<TWFileSystem> m_fileSystem;
};

// Relative path (time part of result names made ordinal) -> bytes.
std::map<std::string, std::string> StoredFiles(const std::string& root)
{
    std::map<std::string, std::string> byRealName;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            byRealName[fs::relative(entry.path(), root).generic_string()] = twtest::ReadBytes(entry.path());
    std::map<std::string, std::string> files;
    std::map<std::string, int> seen;   // map order is name order, and times sort chronologically
    for (const auto& [name, bytes] : byRealName) {
        std::string key = name;
        const auto lastDollar = name.rfind('$');
        if (name.rfind("ShowCommand/", 0) == 0 && lastDollar != std::string::npos) {
            const std::string prefix = name.substr(0, lastDollar);
            key = prefix + "$" + std::to_string(++seen[prefix]) + ".txt";
        }
        files[key] = bytes;
    }
    return files;
}

void CompareWithGolden(const std::string& log, const std::string& dataFolder)
{
    const std::string expectedRoot = kLogs + log + ".expected/";
    const auto actual = StoredFiles(dataFolder);
    if (std::getenv("TW_UPDATE_GOLDEN")) {
        fs::remove_all(expectedRoot);
        for (const auto& [name, bytes] : actual)
            twtest::WriteBytes(expectedRoot + name, bytes);
    }
    const auto expected = StoredFiles(expectedRoot);
    ASSERT_FALSE(expected.empty()) << expectedRoot;
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        ASSERT_NE(found, actual.end()) << "missing " << name;
        EXPECT_EQ(found->second, bytes) << name;
    }
    for (const auto& [name, bytes] : actual)
        EXPECT_TRUE(expected.count(name)) << "unexpected " << name;
}

} // namespace

TEST(SplitShowCmdsGolden, LogsStoreExpectedFiles)
{
    // Recognised lines: every "show " behind a prompt, the banner's "NOC> show" included.
    const std::pair<const char*, int> logs[] = {{"core-r1.log", 8}, {"dist-nx.log", 8}};
    for (const auto& [log, lines] : logs) {
        SCOPED_TRACE(log);
        Project project;
        SplitShowCmds splitter;
        splitter.setDataFolder(project.DataFolder());
        EXPECT_EQ(splitter.splitFile(kLogs + log), lines);
        CompareWithGolden(log, project.DataFolder());
        if (std::string(log) != "core-r1.log")
            continue;
        // The router's interface MACs reached its device settings.
        DeviceSetting* router = GetCurrentGNI()->getDeviceSetting("core-r1");
        ASSERT_NE(router, nullptr);
        EXPECT_EQ(router->getInterfaceMacAddress("Gi0/0"), "5254.0012.3401");
        EXPECT_EQ(router->getInterfaceMacAddress("Gi0/1"), "5254.0012.3411");
        EXPECT_EQ(router->getInterfaces().size(), 2u);
    }
}

TEST(SplitShowCmds, RecognisesCommandLines)
{
    struct Case {
        const char* line;
        bool found;
        const char* device;
        const char* command;
        int code;
    };
    const Case cases[] = {
        {"R1#show ip route", true, "R1", "show ip route", 5},
        {"R1>show interfaces status", true, "R1", "show interface", 1},
        {"sw1> (enable) show cam dynamic", true, "sw1", "show cam dynamic", 4},
        {"R1#show ip arp", true, "R1", "show ip arp", 6},
        {"R1(config)#show ip route", true, "R1(config)", "show ip route", 5},
        {"R1#show cdp neighbors detail", true, "R1", "show cdp neighbors detail", 0},
        {"R1#show cdp neighbor detail", true, "R1", "show cdp neighbor detail", 0},
        {"nx1# show mac-address-table dynamic vlan 10", true, "nx1", "show mac-address-table dynamic", 3},
        {"show ip route", false, "", "", 0},
        {"R1#sh ip ro", false, "", "", 6},
        {"#show ip route", false, "", "", 0},
        {"R1 show ip route", false, "", "", 0},
    };
    Splitter splitter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        char buffer[SplitShowCmds::kLineBufferSize] = {};
        std::snprintf(buffer, sizeof buffer, "%s", c.line);
        std::string command = "stale";
        int code = -5;
        EXPECT_EQ(splitter.findShowCmd(buffer, command, code), c.found);
        if (c.found) {
            EXPECT_STREQ(buffer, c.device);
            EXPECT_EQ(command, c.command);
            EXPECT_EQ(code, c.code);
        } else if (std::string(c.line).find("show ") == std::string::npos) {
            EXPECT_EQ(command, "");
            EXPECT_EQ(code, 6);
        }
    }
}

TEST(SplitShowCmds, CountsSumOverFilesAndSummaryAsksForL2)
{
    Project project;
    SplitShowCmds splitter;
    splitter.setDataFolder(project.DataFolder());
    bool ask = true;
    EXPECT_EQ(splitter.getStatString(ask),
              "0 route tables, 0 CDP tables, 0 MAC tables, 0 ARP tables were imported successfully.");
    EXPECT_FALSE(ask);

    ASSERT_EQ(splitter.splitFile(kLogs + "core-r1.log"), 8);
    // Two route pieces (one typed in configuration mode); the MAC piece was refused by the device.
    EXPECT_EQ(splitter.getStatString(ask),
              "2 route tables, 0 CDP tables, 0 MAC tables, 1 ARP tables were imported successfully."
              "\nDo you want to recalculate the L2 Topology with imported L2 data now?");
    EXPECT_TRUE(ask);

    ASSERT_EQ(splitter.splitFile(kLogs + "dist-nx.log"), 8);
    SplitShowCmds copy = splitter;
    EXPECT_EQ(copy.getStatString(ask),
              "3 route tables, 2 CDP tables, 2 MAC tables, 1 ARP tables were imported successfully."
              "\nDo you want to recalculate the L2 Topology with imported L2 data now?");
    EXPECT_TRUE(ask);
}

TEST(SplitShowCmds, RouteTablesOnlyDoNotAskForL2)
{
    Project project;
    const std::string log = project.Dir() / "r.log";
    twtest::WriteBytes(log, "core-r1#show ip route\nC        10.0.0.0/30 is directly connected, GigabitEthernet0/0\n"
                            "core-r1#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\n"
                            "core-r1#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0.3\n");
    SplitShowCmds splitter;
    splitter.setDataFolder(project.DataFolder());
    EXPECT_EQ(splitter.splitFile(log), 3);
    bool ask = true;
    const std::string text = splitter.getStatString(ask);
    EXPECT_EQ(text.substr(0, 2), "3 ");
    EXPECT_EQ(text.substr(text.size() - 22), "imported successfully.");
    EXPECT_FALSE(ask);
    // One raw copy, the last piece's, with the extra LF of the final empty read.
    EXPECT_EQ(twtest::ReadBytes(project.DataFolder() + "LiveRouteTable/core-r1.txt"),
              "core-r1#show ip route\r\nS*    0.0.0.0/0 [1/0] via 10.0.0.3\r\n\r\n");
}

TEST(SplitShowCmds, HostileFilesStayInsideTheDataFolder)
{
    Project project;
    std::string binary;
    for (int i = 0; i < 200000; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    binary += "\n../../evil#show ip route\nS 0.0.0.0/0\n";
    const std::string binaryLog = project.Dir() / "binary.log";
    twtest::WriteBytes(binaryLog, binary);

    const std::string longLog = project.Dir() / "long.log";
    twtest::WriteBytes(longLog, "core-r1#show ip route\nC 10.0.0.0/30 is directly connected, Gi0/0\n" +
                                    std::string(10 * 1024 * 1024, 'x') + "\ncore-r1#show arp\n");

    const std::string projectListing = [&] {
        std::string names;
        for (const auto& e : fs::recursive_directory_iterator(project.Dir().Path()))
            names += e.path().string() + "\n";
        return names;
    }();

    SplitShowCmds splitter;
    splitter.setDataFolder(project.DataFolder());
    EXPECT_GE(splitter.splitFile(binaryLog), 1);
    // The over-long line is cut and ends the reading: the ARP command is never seen.
    EXPECT_EQ(splitter.splitFile(longLog), 1);
    EXPECT_EQ(splitter.splitFile(project.Dir() / "missing.log"), 0);
    EXPECT_EQ(splitter.splitFile(project.Dir().Path()), 0);

    const std::string route = twtest::ReadBytes(project.DataFolder() + "LiveRouteTable/core-r1.txt");
    EXPECT_EQ(route.size(), std::string("core-r1#show ip route\r\nC 10.0.0.0/30 is directly connected, Gi0/0\r\n").size()
                                + 2047 + 2);
    EXPECT_FALSE(fs::exists(project.DataFolder() + "LiveArpTable/core-r1.txt"));

    // Only the DataFolder (and the project's device file) changed.
    for (const auto& e : fs::recursive_directory_iterator(project.Dir().Path())) {
        const std::string path = e.path().string();
        if (projectListing.find(path + "\n") == std::string::npos) {
            EXPECT_EQ(path.rfind(project.DataFolder(), 0), 0u) << path;
        }
    }
}

TEST(SplitShowCmds, CrLfLogStoresSameBytesAsLfLog)
{
    Project project;
    const std::string log = project.Dir() / "crlf.log";
    // Back-to-back commands: the first piece is its command line alone.
    twtest::WriteBytes(log, "core-r1#show arp\r\ncore-r1#show arp\r\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\r\n");
    SplitShowCmds splitter;
    splitter.setDataFolder(project.DataFolder());
    EXPECT_EQ(splitter.splitFile(log), 2);
    EXPECT_EQ(twtest::ReadBytes(project.DataFolder() + "LiveArpTable/core-r1.txt"),
              "core-r1#show arp\r\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\r\n\r\n");
    std::vector<std::string> results;
    for (const auto& e : fs::directory_iterator(project.DataFolder() + "ShowCommand"))
        results.push_back(twtest::ReadBytes(e.path()));
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[0] == "core-r1#show arp\r\n" || results[1] == "core-r1#show arp\r\n");
}

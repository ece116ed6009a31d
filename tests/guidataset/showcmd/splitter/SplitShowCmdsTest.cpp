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

#include <iconv.h>
#include <sys/stat.h>

#include <algorithm>
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

namespace {

// A log of several blocks of the reader (pieces of every stored kind, with
// text outside ASCII), LF-terminated; the variants below are made from it.
std::string BigLog()
{
    // Begins with a command line, which a byte-order mark must not hide.
    std::string log;
    for (int i = 0; log.size() < 320 * 1024; ++i) {
        log += "core-r1#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0." + std::to_string(i % 250) + "\n";
        log += "core-r1#show arp\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\n";
        // Lines of odd lengths move the multi-byte characters across block boundaries.
        log += "core-r1#show version\n";
        for (int j = 0; j < 150; ++j)
            log += std::string((i + j) % 7, '*') + " \xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80 line " + std::to_string(j) + "\n";
    }
    return log;
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

std::string Utf16(const std::string& utf8, const char* encoding)
{
    iconv_t cd = iconv_open(encoding, "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string out(utf8.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* to = out.data();
    std::size_t outLeft = out.size();
    EXPECT_NE(iconv(cd, &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1));
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// The files one log stores in a fresh project's DataFolder, and the count.
std::pair<int, std::map<std::string, std::string>> Import(const std::string& bytes)
{
    Project project;
    const std::string log = project.Dir() / "capture.log";
    twtest::WriteBytes(log, bytes);
    SplitShowCmds splitter;
    splitter.setDataFolder(project.DataFolder());
    const int lines = splitter.splitFile(log);
    EXPECT_TRUE(splitter.getReadProblems().empty());
    return {lines, StoredFiles(project.DataFolder())};
}

} // namespace

TEST(SplitShowCmds, OtherLineEndsAndEncodingsStoreWhatTheLfLogStores)
{
    const std::string lf = BigLog();
    const auto expected = Import(lf);
    ASSERT_GT(expected.first, 200);
    ASSERT_TRUE(expected.second.count("LiveArpTable/core-r1.txt"));
    const std::pair<const char*, std::string> variants[] = {
        {"CR LF", Replace(lf, "\n", "\r\n")},
        {"CR alone", Replace(lf, "\n", "\r")},
        {"UTF-8 mark", "\xEF\xBB\xBF" + lf},
        {"UTF-16LE mark", "\xFF\xFE" + Utf16(Replace(lf, "\n", "\r\n"), "UTF-16LE")},
        {"UTF-16BE mark", "\xFE\xFF" + Utf16(lf, "UTF-16BE")},
        {"UTF-16LE", Utf16(lf, "UTF-16LE")},
    };
    for (const auto& [name, bytes] : variants) {
        SCOPED_TRACE(name);
        const auto got = Import(bytes);
        EXPECT_EQ(got.first, expected.first);
        EXPECT_TRUE(got.second == expected.second);
    }
}

TEST(SplitShowCmds, PromptAfterAnOverprintIsRecognisedAndTheLineKeptAsCaptured)
{
    Project project;
    const std::string log = project.Dir() / "paged.log";
    const std::string paged = " --More-- \r          \rcore-r1#show arp";
    twtest::WriteBytes(log, "core-r1#show ip route\r\r\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\r\n" + paged +
                                "\r\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\r\n"
                                // No command after the CR: the line is read as a whole.
                                "core-r1#show ip route\rtext\r\n"
                                " --More-- \r   \r  10.0.0.0/8 is subnetted\r\n");
    SplitShowCmds splitter;
    splitter.setDataFolder(project.DataFolder());
    EXPECT_EQ(splitter.splitFile(log), 3);
    EXPECT_EQ(twtest::ReadBytes(project.DataFolder() + "LiveArpTable/core-r1.txt"),
              paged + "\r\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\r\n");
    EXPECT_EQ(twtest::ReadBytes(project.DataFolder() + "LiveRouteTable/core-r1.txt"),
              "core-r1#show ip route\rtext\r\n --More-- \r   \r  10.0.0.0/8 is subnetted\r\n\r\n");
    bool ask = false;
    EXPECT_EQ(splitter.getStatString(ask).rfind("2 route tables, 0 CDP tables, 0 MAC tables, 1 ARP tables", 0), 0u);
}

TEST(SplitShowCmds, LogsNotReadToTheirEndAreReported)
{
    Project project;
    const std::string dir = project.Dir().Path();
    twtest::WriteBytes(dir + "/ok.log", "core-r1#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\n");
    twtest::WriteBytes(dir + "/long.log", "core-r1#show ip route\nS 0.0.0.0/0\n" + std::string(2047, 'x') + "\n" +
                                              std::string(2048, 'y') + "\ncore-r1#show arp\n");
    ASSERT_EQ(::mkfifo((dir + "/pipe").c_str(), 0600), 0);

    SplitShowCmds splitter;
    splitter.setDataFolder(project.DataFolder());
    EXPECT_EQ(splitter.splitFile(dir + "/ok.log"), 1);
    EXPECT_TRUE(splitter.getReadProblems().empty());
    EXPECT_EQ(FormatLogReadProblems(splitter.getReadProblems()), "");

    EXPECT_EQ(splitter.splitFile(dir + "/long.log"), 1);
    EXPECT_EQ(splitter.splitFile(dir + "/missing.log"), 0);
    EXPECT_EQ(splitter.splitFile(dir + "/pipe"), 0);   // refused, not waited on
    EXPECT_EQ(splitter.splitFile(dir), 0);

    std::vector<std::string> lines;
    for (const LogReadProblem& problem : splitter.getReadProblems())
        lines.push_back(problem.Describe());
    EXPECT_EQ(lines, (std::vector<std::string>{
                         dir + "/long.log, line 4: longer than 2,047 characters; the rest of the file was not imported",
                         dir + "/missing.log: cannot be read (No such file or directory); nothing was imported from it",
                         dir + "/pipe: not a regular file; nothing was imported from it",
                         dir + ": not a regular file; nothing was imported from it",
                     }));
    const std::string text = FormatLogReadProblems(splitter.getReadProblems());
    EXPECT_EQ(text.substr(0, text.find('\n')), "Some logs were not imported completely:");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    // The pieces before the over-long line were stored as the splitter always did.
    EXPECT_TRUE(fs::exists(project.DataFolder() + "LiveRouteTable/core-r1.txt"));
    EXPECT_FALSE(fs::exists(project.DataFolder() + "LiveArpTable/core-r1.txt"));
}

// twdata parse prints a route, ARP or MAC table while it parses, a piece at a
// time; what it prints must be byte for byte the table file the import's
// parsers write from the same output, across many pieces.
#include "tests/apps/twdata/TwdataRun.h"
#include "tests/support/TempDir.h"

#include "host/l2/CCiscoSwitchObj.h"
#include "host/l2/CRouterObj.h"
#include "host/netutil/RoutingTable.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kCliCaptureSource = 1021;

// Every real output of the fixture folders, one after another, repeated to
// well over a megabyte.
std::string RealOutputs(const std::vector<std::string>& folders)
{
    std::vector<std::string> files;
    for (const std::string& folder : folders)
        for (const auto& entry : fs::directory_iterator(std::string(TW_SOURCE_DIR) + "/tests/host/parsers/ntc/" + folder))
            if (entry.path().extension() == ".raw")
                files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    std::string once;
    for (const std::string& file : files) {
        std::string text;
        if (TWDataSet::GetFileContent(file, text))
            once += text + "\n";
    }
    std::string all;
    while (!once.empty() && all.size() < (3u << 20))
        all += once;
    return all;
}

struct Kind {
    const char* name;
    std::vector<std::string> fixtures;
    // Writes the import's table file of output under folder; its path.
    std::function<std::string(const std::string& output, const std::string& folder)> write;
};

} // namespace

TEST(TwdataParse, PrintsTheTableFileTheImportWrites)
{
    twtest::TempDir tmp;
    const std::vector<Kind> kinds{
        {"route",
         {"cisco_ios/show_ip_route", "cisco_nxos/show_ip_route"},
         [](const std::string& output, const std::string& folder) {
             RoutingTable table("d");
             const std::string path = folder + "d.ort";
             return table.ParseCmdString(output) && table.SaveRTData(path) ? path : std::string();
         }},
        {"arp",
         {"cisco_ios/show_ip_arp", "cisco_nxos/show_ip_arp"},
         [](const std::string& output, const std::string& folder) {
             if (!CRouterObj::ParseArpTable("d", kCliCaptureSource, folder, output, ""))
                 return std::string();
             return CDeviceObj::TablePath(folder, &TWFileSystem::GetLiveArpTableFolder, "d", "", ".oat");
         }},
        {"mac",
         {"cisco_ios/show_mac-address-table", "cisco_nxos/show_mac_address-table"},
         [](const std::string& output, const std::string& folder) {
             if (!CCiscoSwitchObj::ParseMacTable("d", kCliCaptureSource, folder, output, ""))
                 return std::string();
             return CDeviceObj::TablePath(folder, &TWFileSystem::GetLiveMacTableFolder, "d", "", ".omt");
         }},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const std::string output = RealOutputs(kind.fixtures);
        const std::string input = std::string(kind.name) + ".txt";
        ASSERT_TRUE(tmp.WriteFile(input, output));
        const std::string folder = tmp / (std::string(kind.name) + "-import") + "/";
        fs::create_directories(folder);
        const std::string tablePath = kind.write(output, folder);
        std::string table;
        ASSERT_TRUE(TWDataSet::GetFileContent(tablePath, table)) << tablePath;
        // Several of the pieces (256 KiB) it prints in.
        ASSERT_GT(table.size(), 3 * (256u << 10));

        const twtest::TwdataOutcome run = twtest::RunTwdata({"parse", kind.name, QString::fromStdString(tmp / input)});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        ASSERT_EQ(run.out.size(), table.size());
        EXPECT_TRUE(run.out == table) << "first difference at byte "
                                      << std::mismatch(table.begin(), table.end(), run.out.begin()).first -
                                             table.begin();
    }
}

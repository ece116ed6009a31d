// Table file names: what the parsers write reads back as the device's own
// table, every name built here parses back to its parts, and the copies and
// moves of a table never leave half a file nor replace one unasked.
#include "host/l2/CDeviceObj.h"
#include "host/util/CTWRTPath.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FileTimes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <tuple>

namespace fs = std::filesystem;
using twtest::TempDir;

namespace {

std::tuple<bool, std::string, std::string, std::string> Parse(const std::string& name)
{
    std::string host, table, qualifier;
    const bool ok = CTWRTPath::ParseRtbFileName(name, host, table, qualifier);
    return {ok, host, table, qualifier};
}

int FilesIn(const std::string& folder)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.is_regular_file() ? 1 : 0;
    return count;
}

} // namespace

TEST(CTWRTPath, NamesThePartsRoundTripIncludingHostileTexts)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"core1", "default-live", ""},         {"core1", "default-live", "vrfA"},
        {"core1", "backup", "vrfA"},            {"core1", "backup", ""},
        {"edge$2", "before change", "vrf B"},  {"r1:2/x", "100%", "a|b"},
        {"core.v2", "default-simulation", ""}, {"Zürich-核心", "nächtlich", "東京"},
    };
    for (const auto& [host, table, qualifier] : cases) {
        for (int type : {CTWRTPath::kRouteTable, CTWRTPath::kArpTable, CTWRTPath::kMacTable, CTWRTPath::kCdpTable}) {
            const std::string name = CTWRTPath::GetRtbFileName(host, table, qualifier, type);
            EXPECT_EQ(name.find('/'), std::string::npos) << name;
            EXPECT_EQ(Parse(name), std::make_tuple(true, host, table, qualifier)) << name;
        }
    }
    EXPECT_EQ(CTWRTPath::GetRtbFileName("core1", "backup", "vrfA", CTWRTPath::kArpTable), "core1$backup$vrfA.oat");
    EXPECT_EQ(CTWRTPath::GetRtbFileName("core1", "default-live", "", CTWRTPath::kMacTable), "core1.omt");
    EXPECT_EQ(CTWRTPath::GetRtbFileName("core1", "", "vrfA", CTWRTPath::kCdpTable), "core1$vrfA.cdp");
    EXPECT_EQ(CTWRTPath::GetRtbFileName("", "backup", "", CTWRTPath::kRouteTable), "");
}

TEST(CTWRTPath, TablesTheParsersWriteAreTheDevicesOwn)
{
    TempDir dir;
    ASSERT_TRUE(dir.MakeDir("Audit"));   // table paths are made only inside a DataFolder that exists
    const std::string dataFolder = dir / "Audit/";
    const std::string route = TWDataSet().GetLiveRoutingTablePath(dataFolder, "edge$2", "vrf B", true);
    const std::string arp =
        CDeviceObj::TablePath(dataFolder, &TWFileSystem::GetLiveArpTableFolder, "core-r1", "", ".oat");
    EXPECT_EQ(Parse(route), std::make_tuple(true, std::string("edge$2"), std::string("default-live"),
                                            std::string("vrf B")));
    EXPECT_EQ(Parse(arp), std::make_tuple(true, std::string("core-r1"), std::string("default-live"), std::string()));
    EXPECT_EQ(Parse("core.v2.ort"), std::make_tuple(true, std::string("core.v2"), std::string("default-live"),
                                                    std::string()));
}

TEST(CTWRTPath, NamesThatAreNoTableNamesAreRefused)
{
    EXPECT_FALSE(std::get<0>(Parse("a$b$c$d.ort")));
    EXPECT_FALSE(std::get<0>(Parse(".ort")));
    EXPECT_FALSE(std::get<0>(Parse("$backup$.ort")));
    // A stray '%' stays as it is rather than eating the next characters.
    EXPECT_EQ(Parse("r%zz1.ort"), std::make_tuple(true, std::string("r%zz1"), std::string("default-live"),
                                                  std::string()));
}

TEST(CTWRTPath, ListsOneDevicesTablesOfAKind)
{
    TempDir dir;
    for (const char* name : {"LiveArpTable/core1.oat", "LiveArpTable/CORE1$backup$.oat", "LiveArpTable/core10.oat",
                             "LiveArpTable/core1$a$b$c.oat", "LiveArpTable/core1.txt", "LiveRouteTable/core1.ort",
                             "core1$default-simulation$.ort"})
        ASSERT_TRUE(dir.WriteFile(std::string("Audit/") + name, "x"));
    std::vector<CRTItem> items;
    CTWRTPath::GetAllRTInDataSet(nullptr, items, dir / "Audit", "core1", true, CTWRTPath::kArpTable);
    ASSERT_EQ(items.size(), 2u);
    std::set<std::string> labels;
    for (const CRTItem& item : items) {
        labels.insert(item.label);
        EXPECT_TRUE(fs::exists(item.path)) << item.path;
        EXPECT_GT(item.time, 0);
    }
    EXPECT_EQ(labels, (std::set<std::string>{"default-live", "backup"}));

    items.clear();
    CTWRTPath::GetAllRTInDataSet(nullptr, items, dir / "Audit", "core1", false, CTWRTPath::kArpTable);
    EXPECT_EQ(items.size(), 1u);   // CORE1 differs in case
    items.clear();
    CTWRTPath::GetAllRTInDataSet(nullptr, items, dir / "Audit", "core1", true, CTWRTPath::kSimulatedRouteTable);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].label, "default-simulation");
}

TEST(CTWRTPath, CopyNeverReplacesUnaskedAndKeepsTheTime)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("a/r1.ort", "route table"));
    ASSERT_TRUE(dir.WriteFile("b/r1$old$.ort", "other"));
    const struct timeval times[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_EQ(::utimes((dir / "a/r1.ort").c_str(), times), 0);

    CTWRTPath::Transfer done = CTWRTPath::CopyTableFile(dir / "a/r1.ort", dir / "b/r1$old$.ort", false);
    EXPECT_EQ(done.status, CTWRTPath::Transfer::kExists);
    EXPECT_EQ(dir.ReadFile("b/r1$old$.ort"), "other");

    done = CTWRTPath::CopyTableFile(dir / "a/r1.ort", dir / "b/r1$old$.ort", true);
    EXPECT_TRUE(done.Ok()) << done.error;
    EXPECT_EQ(dir.ReadFile("b/r1$old$.ort"), "route table");
    EXPECT_EQ(platform::LastWriteTime(dir / "b/r1$old$.ort") / 1000000000LL, 1700000000);
    EXPECT_EQ(FilesIn(dir / "b"), 1);   // no temporary left behind

    done = CTWRTPath::CopyTableFile(dir / "a/missing.ort", dir / "b/x.ort", false);
    EXPECT_EQ(done.status, CTWRTPath::Transfer::kFailed);
    EXPECT_NE(done.error.find("missing.ort"), std::string::npos) << done.error;
}

TEST(CTWRTPath, MoveRefusesAnExistingTargetUnlessAskedTo)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("t/r1$a$.ort", "A"));
    ASSERT_TRUE(dir.WriteFile("t/r1$b$.ort", "B"));
    EXPECT_EQ(CTWRTPath::MoveTableFile(dir / "t/r1$a$.ort", dir / "t/r1$b$.ort", false).status,
              CTWRTPath::Transfer::kExists);
    EXPECT_EQ(dir.ReadFile("t/r1$a$.ort"), "A");
    EXPECT_EQ(dir.ReadFile("t/r1$b$.ort"), "B");
    EXPECT_TRUE(CTWRTPath::MoveTableFile(dir / "t/r1$a$.ort", dir / "t/r1$c$.ort", false).Ok());
    EXPECT_FALSE(dir.Exists("t/r1$a$.ort"));
    EXPECT_EQ(dir.ReadFile("t/r1$c$.ort"), "A");
    EXPECT_TRUE(CTWRTPath::MoveTableFile(dir / "t/r1$c$.ort", dir / "t/r1$b$.ort", true).Ok());
    EXPECT_EQ(dir.ReadFile("t/r1$b$.ort"), "A");
    EXPECT_EQ(FilesIn(dir / "t"), 1);

    // A folder that cannot be written keeps the table where it was.
    ASSERT_TRUE(dir.MakeDir("ro"));
    ::chmod((dir / "ro").c_str(), 0555);
    if (::access((dir / "ro").c_str(), W_OK) != 0) {
        const CTWRTPath::Transfer refused = CTWRTPath::CopyTableFile(dir / "t/r1$b$.ort", dir / "ro/r1.ort", false);
        EXPECT_EQ(refused.status, CTWRTPath::Transfer::kFailed);
        EXPECT_FALSE(refused.error.empty());
    }
    ::chmod((dir / "ro").c_str(), 0755);
}

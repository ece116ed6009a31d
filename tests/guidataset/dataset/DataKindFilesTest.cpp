#include "guidataset/dataset/core/DataKind.h"
#include "guidataset/dataset/core/DataKindFiles.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/DirEntry.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::UnorderedElementsAre;
using testing::IsEmpty;
using twtest::TempDir;

namespace {

std::vector<std::string> Names(const std::vector<platform::DirEntry>& entries)
{
    std::vector<std::string> names;
    for (const auto& e : entries)
        names.push_back(e.name);
    return names;
}

std::vector<std::string> List(const std::string& folder, DataKind kind, const std::string& filter = {})
{
    std::vector<platform::DirEntry> entries;
    ListDataKindFiles(entries, folder, kind, filter);
    return Names(entries);
}

} // namespace

TEST(ListDataKindFiles, DeviceFilterLooksBeforeTheFirstDollar)
{
    TempDir dir;
    for (const char* name : {"R1-core$show ip route.txt", "backup-r1.txt", "r2$show r1 log.txt",
                             "r3$show version.txt", "core-r1.config", "r1$notes.TXT"})
        ASSERT_TRUE(dir.WriteFile(std::string("ds/") + name, "x"));
    ASSERT_TRUE(dir.MakeDir("ds/r1-folder.txt"));

    EXPECT_THAT(List(dir / "ds", kKindTextResult, "r1"),
                UnorderedElementsAre("R1-core$show ip route.txt", "backup-r1.txt", "r1$notes.TXT"));
    EXPECT_THAT(List(dir / "ds/", kKindTextResult, "R1"),
                UnorderedElementsAre("R1-core$show ip route.txt", "backup-r1.txt", "r1$notes.TXT"));
    EXPECT_THAT(List(dir / "ds", kKindTextResult),
                UnorderedElementsAre("R1-core$show ip route.txt", "backup-r1.txt", "r2$show r1 log.txt",
                                     "r3$show version.txt", "r1$notes.TXT"));
}

TEST(ListDataKindFiles, ExtensionOfTheKindDecides)
{
    TempDir dir;
    for (const char* name : {"rtAB1.config", "sw2.CONFIG", "r1.ort", "r1.oat", "r1.omt", "r1.cdp",
                             "r1.status", "r1.inte", "r1.perf", "r1.ping", "r1.trace", "notes", "r1.txt"})
        ASSERT_TRUE(dir.WriteFile(std::string("ds/") + name, "x"));
    ASSERT_TRUE(dir.MakeDir("ds/sub"));
    const std::string ds = dir / "ds";

    EXPECT_THAT(List(ds, kKindLiveConfig), UnorderedElementsAre("rtAB1.config", "sw2.CONFIG"));
    EXPECT_THAT(List(ds, kKindLiveConfig, "ab"), UnorderedElementsAre("rtAB1.config"));
    EXPECT_THAT(List(ds, kKindSimulatedRouteTable), UnorderedElementsAre("r1.ort"));
    EXPECT_THAT(List(ds, kKindTrace), UnorderedElementsAre("r1.trace"));
    EXPECT_THAT(List(ds, kKindLiveCommandDevice), UnorderedElementsAre("r1.txt"));

    // Every file, but no folder.
    EXPECT_EQ(List(ds, kKindIpAccounting).size(), 13u);

    for (DataKind kind : {0, 15, 19, 20, 21, 32, 34, 36, 37, -1})
        EXPECT_THAT(List(ds, kind), IsEmpty()) << kind;
}

TEST(ListDataKindFiles, AppendsEntriesWithTheirSize)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("ds/r1.config", "hostname r1\r\n"));
    std::vector<platform::DirEntry> entries(1);
    entries[0].name = "kept";
    ListDataKindFiles(entries, dir / "ds", kKindLiveConfig, "");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "kept");
    EXPECT_EQ(entries[1].size, 13u);
    EXPECT_NE(entries[1].lastWriteTime, 0);

    ListDataKindFiles(entries, dir / "missing", kKindLiveConfig, "r1");
    ListDataKindFiles(entries, "", kKindIpAccounting, "");
    EXPECT_EQ(entries.size(), 2u);
}

class IsDataFolderEmptyTest : public testing::Test {
protected:
    void Put(const std::string& relPath) { ASSERT_TRUE(m_dir.WriteFile("ds/" + relPath, "x")); }
    bool Empty(const std::vector<DataKind>& kinds, bool anyMode) const
    {
        return IsDataFolderEmpty(m_dir / "ds", kinds, anyMode);
    }
    TempDir m_dir;
};

TEST_F(IsDataFolderEmptyTest, AnyModeAndAllModeOverTwoKinds)
{
    // Files of another kind or extension don't count.
    Put("r1.config");
    Put("LiveConfig/r1.ort");
    Put("LiveRouteTable/r1.config");
    EXPECT_TRUE(Empty({16, 17}, true));
    EXPECT_TRUE(Empty({16, 17}, false));

    Put("LiveConfig/r1.config");
    EXPECT_FALSE(Empty({16, 17}, true));
    EXPECT_TRUE(Empty({16, 17}, false));

    Put("LiveRouteTable/r1$default-live.ort");
    EXPECT_FALSE(Empty({16, 17}, true));
    EXPECT_FALSE(Empty({16, 17}, false));
}

TEST_F(IsDataFolderEmptyTest, KindsOutsideTheTableAreSkipped)
{
    Put("r1.txt");
    Put("ShowCommand/r1$show version$20240305.txt");
    EXPECT_TRUE(Empty({}, true));
    EXPECT_FALSE(Empty({}, false));
    EXPECT_TRUE(Empty({25, 36, 18}, true));
    EXPECT_FALSE(Empty({25, 36, 18}, false));

    Put("LiveInterface/r1.inte");
    EXPECT_FALSE(Empty({25, 28}, true));
    EXPECT_FALSE(Empty({25, 28}, false));
}

TEST_F(IsDataFolderEmptyTest, EmptyPathMeansTheCurrentDataFolder)
{
    CBaseline::Close();
    EXPECT_TRUE(IsDataFolderEmpty("", {kKindLiveConfig}, true));

    ASSERT_TRUE(CBaseline::Open(m_dir / "project", true));
    struct Closer {
        ~Closer() { CBaseline::Close(); }
    } closer;
    const std::string current = GetCurrBaselineFileSystem()->GetDataSet()->GetCurrentDataSet();
    ASSERT_FALSE(current.empty());
    EXPECT_TRUE(IsDataFolderEmpty("", {kKindLiveConfig}, true));
    ASSERT_TRUE(m_dir.WriteFile(current.substr(m_dir.Path().size()) + "LiveConfig/r1.config", "x"));
    EXPECT_FALSE(IsDataFolderEmpty("", {kKindLiveConfig}, true));
}

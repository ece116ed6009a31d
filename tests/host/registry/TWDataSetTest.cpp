#include "RegistryTestFolder.h"

#include "host/util/CConf.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/FileTimes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;
using registrytest::ReadFile;
using registrytest::TestFolder;
using registrytest::WriteFile;

namespace {

class TWDataSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TWFileSystem::CreateProject(m_tmp.Path("proj"), "proj"));
        m_fileSystem = std::make_unique<TWFileSystem>(m_tmp.Path("proj"));
    }

    TWDataSet& Registry() { return *m_fileSystem->GetDataSet(); }
    std::string DataFolder(const std::string& name) { return m_tmp.Folder("proj/DataFolders/" + name); }
    std::string Outside(const std::string& name) { return m_tmp.Folder("outside/" + name); }
    std::string IniFile() const { return m_tmp.Path("proj/TWDataSet.ini"); }

    std::vector<std::unique_ptr<tagDataSetInfo>> All(TWDataSet& registry, bool withExternal = true)
    {
        std::vector<tagDataSetInfo*> raw;
        registry.GetAllDataSets(raw, withExternal);
        return {raw.begin(), raw.end()};
    }

    TestFolder m_tmp;
    std::unique_ptr<TWFileSystem> m_fileSystem;
};

std::string NoSlash(std::string path)
{
    path.pop_back();
    return path;
}

} // namespace

TEST_F(TWDataSetTest, ListsProjectFoldersByNameThenLinksInLinkOrder)
{
    const std::string beta = DataFolder("beta");
    DataFolder("Alpha");
    DataFolder("gamma");
    WriteFile(m_tmp.Path("proj/DataFolders/not-a-folder.txt"), "x");
    const std::string zulu = Outside("zulu");
    const std::string able = Outside("able");
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), zulu, "Zulu site", 0));
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), able, "", 7));

    using namespace std::chrono;
    const sys_time<nanoseconds> stamp = sys_days{year{2021} / 3 / 4} + hours{5};
    fs::last_write_time(beta, file_clock::from_sys(stamp));

    auto all = All(Registry());
    ASSERT_EQ(all.size(), 6u);
    const std::vector<std::string> names = {all[0]->fullName, all[1]->fullName, all[2]->fullName,
                                            all[3]->fullName, all[4]->fullName, all[5]->fullName};
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "gamma", "Local default", NoSlash(zulu),
                                               NoSlash(able)}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(all[i]->itemType, kItemProject);
        EXPECT_EQ(all[i]->briefName, all[i]->fullName);
        EXPECT_EQ(all[i]->network, nullptr);
    }
    EXPECT_EQ(all[4]->itemType, kItemExternal);
    EXPECT_EQ(all[4]->briefName, "Zulu site");
    EXPECT_EQ(all[5]->itemType, 7);
    EXPECT_EQ(all[5]->briefName, "able");

    EXPECT_EQ(all[1]->updateTime, duration_cast<nanoseconds>(stamp.time_since_epoch()).count());
    EXPECT_EQ(all[1]->createTime, platform::CreationTime(NoSlash(beta)));
    EXPECT_NE(all[4]->updateTime, 0);

    EXPECT_EQ(All(Registry(), false).size(), 4u);
}

TEST_F(TWDataSetTest, LookupsIgnoreCaseAndKeepRealSpelling)
{
    const std::string recent = m_fileSystem->GetDataSetRecent();
    EXPECT_EQ(Registry().GetDataSetPath("local DEFAULT"), recent);
    EXPECT_TRUE(Registry().IsDataSetExist("LOCAL default"));
    EXPECT_FALSE(Registry().IsDataSetExist("Local"));
    EXPECT_EQ(Registry().GetDataSetPath(""), "");
    EXPECT_EQ(Registry().GetDataSetPath(".."), "");

    std::string brief = "unchanged";
    EXPECT_TRUE(TWDataSet::GetBriefDataSetName(m_fileSystem.get(), "LOCAL DEFAULT", brief));
    EXPECT_EQ(brief, "Local default");
    brief = "unchanged";
    EXPECT_FALSE(TWDataSet::GetBriefDataSetName(m_fileSystem.get(), "nowhere", brief));
    EXPECT_EQ(brief, "unchanged");

    const std::string site = Outside("Site-A");
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), site, "A", 0));
    EXPECT_EQ(Registry().GetDataSetPath(m_tmp.Path("OUTSIDE/site-a")), site);
    EXPECT_TRUE(TWDataSet::GetBriefDataSetName(m_fileSystem.get(), site, brief));
    EXPECT_EQ(brief, "A");
    // The toolbar shows (and so records) a linked DataFolder by its brief name.
    EXPECT_EQ(Registry().GetDataSetPath("a"), site);
    EXPECT_EQ(Registry().GetDatasetName(site), NoSlash(site));
    EXPECT_FALSE(Registry().IsCurrentBaseLineDataSet(site));
}

TEST_F(TWDataSetTest, OddNamesRoundTripNamePathName)
{
    for (const std::string name : {"with blanks", "Zürich core", "v1.2.data", "r&d #2"}) {
        const std::string path = DataFolder(name);
        EXPECT_EQ(Registry().GetDataSetPath(name), path) << name;
        EXPECT_EQ(Registry().GetDatasetName(path), name) << name;
        EXPECT_EQ(Registry().GetDatasetName(NoSlash(path)), name) << name;
        EXPECT_TRUE(Registry().IsCurrentBaseLineDataSet(path)) << name;
    }
    // A folder inside a DataFolder is not a DataFolder of the project.
    EXPECT_FALSE(Registry().IsCurrentBaseLineDataSet(DataFolder("with blanks/LiveConfig")));
}

TEST_F(TWDataSetTest, LinksAndCurrentRecordSurviveReload)
{
    const std::string one = Outside("one");
    const std::string two = Outside("two");
    const std::string mine = DataFolder("Mine");
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), one, "First", 0));
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), two + "/", "", 0));
    {
        CConf record(IniFile());
        record.SetValue("RECORD_INFO", "Current", "Mine");
        record.SetValue("RECORD_INFO", "CurrentPath", mine);
    }

    TWFileSystem reopened(m_tmp.Path("proj"));
    TWDataSet& registry = *reopened.GetDataSet();
    EXPECT_EQ(registry.GetCurrentDataSet(), mine);
    auto all = All(registry);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[2]->fullName, NoSlash(one));
    EXPECT_EQ(all[2]->briefName, "First");
    EXPECT_EQ(all[3]->fullName, NoSlash(two));
    EXPECT_EQ(all[3]->briefName, "two");
    EXPECT_EQ(registry.GetDataSetPath(NoSlash(two)), two);
}

TEST_F(TWDataSetTest, RefusedLinksLeaveRegistryUnchanged)
{
    const std::string site = Outside("site");
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), site, "", 0));
    const std::string before = ReadFile(IniFile());

    // Names ignore case, even where the file system tells the two folders apart.
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), Outside("SITE"), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), m_tmp.Path("outside/../outside/site"), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), m_tmp.Path("missing"), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), DataFolder("Inside"), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), DataFolder("Inside/deeper"), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), m_fileSystem->GetDataSetsFolder(), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(nullptr, Outside("x"), "", 0));   // no project open
    // Whatever holds the project, or lies in it, could be deleted with it.
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), m_tmp.Path("proj"), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), m_tmp.Path("proj/Config"), "", 0));
    fs::create_directory_symlink(m_tmp.Path(""), m_tmp.Path("outside/top"));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), m_tmp.Path("outside/top"), "", 0));
    EXPECT_FALSE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), "/", "", 0));
    EXPECT_EQ(ReadFile(IniFile()), before);
}

TEST_F(TWDataSetTest, UnlinkKeepsFilesAndForeignSectionsSurvive)
{
    WriteFile(IniFile(), "[RECORD_INFO]\r\nCurrent=Local default\r\nCmpBase=Old\r\n[Vendor]\r\nKey=Value\r\n");
    const std::string a = Outside("a");
    const std::string b = Outside("b");
    WriteFile(a + "r1.config", "hostname r1\n");
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), a, "", 0));
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), b, "", 0));

    EXPECT_TRUE(TWDataSet::RemoveExternalDataSet(m_fileSystem.get(), a));   // with trailing '/'
    EXPECT_FALSE(TWDataSet::RemoveExternalDataSet(m_fileSystem.get(), a));
    EXPECT_FALSE(TWDataSet::RemoveExternalDataSet(m_fileSystem.get(), "Local default"));
    EXPECT_EQ(ReadFile(a + "r1.config"), "hostname r1\n");
    EXPECT_TRUE(fs::is_directory(m_fileSystem->GetDataSetRecent()));

    // A new link after a removal still comes last.
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), a, "", 0));
    auto all = All(Registry());
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1]->fullName, NoSlash(b));
    EXPECT_EQ(all[2]->fullName, NoSlash(a));
    EXPECT_TRUE(TWDataSet::RemoveExternalDataSet(m_fileSystem.get(), NoSlash(b)));

    CConf conf(IniFile());
    EXPECT_EQ(conf.GetValue("RECORD_INFO", "Current"), "Local default");
    EXPECT_EQ(conf.GetValue("RECORD_INFO", "CmpBase"), "Old");
    EXPECT_EQ(conf.GetValue("Vendor", "Key"), "Value");
}

TEST_F(TWDataSetTest, CurrentFallsBackWhenRecordedFolderVanished)
{
    EXPECT_EQ(Registry().GetCurrentDataSet(), m_fileSystem->GetDataSetRecent());

    const std::string old = DataFolder("Old");
    const std::string moved = DataFolder("Moved");
    {
        CConf record(IniFile());
        record.SetValue("RECORD_INFO", "Current", "moved");
        record.SetValue("RECORD_INFO", "CurrentPath", NoSlash(old));
    }
    EXPECT_EQ(Registry().GetCurrentDataSet(), old);
    fs::remove_all(old);
    EXPECT_EQ(Registry().GetCurrentDataSet(), moved);
    fs::remove_all(moved);
    EXPECT_EQ(Registry().GetCurrentDataSet(), m_fileSystem->GetDataSetRecent());
    EXPECT_EQ(Registry().GetCurrentShowCommandFolder(), m_fileSystem->GetDataSetRecent() + "ShowCommand/");
    EXPECT_EQ(Registry().GetCurrentLiveInterfaceFolder(), m_fileSystem->GetDataSetRecent() + "LiveInterface/");

    TWDataSet unbound;   // no project open
    EXPECT_EQ(unbound.GetCurrentDataSet(), "");
    EXPECT_EQ(unbound.GetCurrentShowCommandFolder(), "");
}

TEST_F(TWDataSetTest, CleanKeepsUnavailableLinksAndDropsSecondEntries)
{
    const std::string away = Outside("away");
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(m_fileSystem.get(), away, "", 0));
    fs::remove_all(away);   // an unmounted disk
    WriteFile(IniFile(), ReadFile(IniFile()) + "[EXTERNAL_DATASETS]\r\nPath7=" + NoSlash(away) + "\r\n");
    ASSERT_EQ(All(Registry()).size(), 3u);

    Registry().CleanMapDataFolder(m_fileSystem.get());
    auto all = All(Registry());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1]->fullName, NoSlash(away));
    EXPECT_TRUE(TWDataSet::IsUnavailable(*all[1]));
    EXPECT_FALSE(TWDataSet::IsUnavailable(*all[0]));
}

TEST_F(TWDataSetTest, RouteTablePathEncodesUnsafeCharacters)
{
    const std::string df = DataFolder("DF");
    EXPECT_EQ(Registry().GetLiveRoutingTablePath(df, "r1", "", false), df + "LiveRouteTable/r1.ort");
    EXPECT_FALSE(fs::exists(df + "LiveRouteTable"));

    const std::string path = Registry().GetLiveRoutingTablePath(NoSlash(df), "core/1:a", "vrf$red%\t?", true);
    EXPECT_EQ(path, df + "LiveRouteTable/core%2F1%3Aa$vrf%24red%25%09%3F.ort");
    EXPECT_TRUE(fs::is_directory(df + "LiveRouteTable"));
    EXPECT_EQ(Registry().GetLiveRoutingTablePath(df, "Zürich<\"|>*\\", "", false),
              df + "LiveRouteTable/Zürich%3C%22%7C%3E%2A%5C.ort");

    // The kind folder cannot be made where a file is in the way.
    const std::string blocked = DataFolder("Blocked");
    WriteFile(blocked + "LiveRouteTable", "x");
    EXPECT_EQ(Registry().GetLiveRoutingTablePath(blocked, "r1", "", true), "");
    EXPECT_EQ(Registry().GetLiveRoutingTablePath(df, "", "", false), "");
}

TEST_F(TWDataSetTest, FileContentIsReadByteForByte)
{
    static const char raw[] = "line1\r\nline2\0tail\x80\xff";
    const std::string bytes(raw, sizeof raw - 1);
    WriteFile(m_tmp.Path("blob.txt"), bytes);
    std::string content = "stale";
    ASSERT_TRUE(TWDataSet::GetFileContent(m_tmp.Path("blob.txt"), content));
    EXPECT_EQ(content, bytes);

    content = "stale";
    EXPECT_FALSE(TWDataSet::GetFileContent(m_tmp.Path("missing.txt"), content));
    EXPECT_EQ(content, "");
    EXPECT_FALSE(TWDataSet::GetFileContent(m_tmp.Path(), content));
}

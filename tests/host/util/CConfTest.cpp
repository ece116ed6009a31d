#include "host/util/CConf.h"
#include "host/util/CFileLock.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

using twtest::TempDir;

namespace {

TEST(CConf, SetValueKeepsForeignSectionsKeysOrderAndComments)
{
    TempDir dir;
    const std::string file = dir / "TWDataSet.ini";
    twtest::WriteBytes(file, "; linked DataFolders\n[External]\nB=/data/b/\nA=/data/a/\n\n"
                         "[RECORD_INFO]\r\n; chosen by the user\r\nCurrent=Old\r\nBaseline=Monday\r\n");
    ASSERT_TRUE(CConf(file).SetValue("RECORD_INFO", "Current", "Tuesday"));
    ASSERT_TRUE(CConf(file).SetValue("RECORD_INFO", "CurrentPath", "/p/Tuesday/"));

    // Everything that was there is still there, in its order, on CR LF lines.
    const std::string text = twtest::ReadBytes(file);
    std::size_t at = 0;
    for (const char* line : {"; linked DataFolders\r\n", "[External]\r\n", "B=/data/b/\r\n", "A=/data/a/\r\n",
                             "[RECORD_INFO]\r\n", "; chosen by the user\r\n", "Current=Tuesday\r\n",
                             "Baseline=Monday\r\n", "CurrentPath=/p/Tuesday/\r\n"}) {
        at = text.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << " in order in:\n" << text;
    }
    EXPECT_EQ(text.find("\n\n"), std::string::npos) << "no bare line feeds";
    ASSERT_TRUE(CConf(file).SetValue("RECORD_INFO", "Current", "Tuesday"));
    EXPECT_EQ(twtest::ReadBytes(file), text) << "a file this class wrote is rewritten unchanged";
    EXPECT_EQ(CConf(file).GetKeys("RECORD_INFO"), (std::vector<std::string>{"Current", "Baseline", "CurrentPath"}));
}

TEST(CConf, DeleteAndBoundedCopySurviveReload)
{
    TempDir dir;
    const std::string file = dir / "a.ini";
    {
        CConf conf(file);
        for (const char* key : {"k1", "k2"})
            ASSERT_TRUE(conf.SetValue("A", key, "value-one"));
        ASSERT_TRUE(conf.SetValue("B", "k", "b"));
        ASSERT_TRUE(conf.DeleteKey("A", "k2"));
        ASSERT_TRUE(conf.DeleteSection("B"));
        EXPECT_FALSE(conf.SetValue("A", "k3", "two\r\nlines"));
        EXPECT_FALSE(conf.SetValue("A", "a=b", "v"));
    }
    EXPECT_EQ(twtest::ReadBytes(file), "[A]\r\nk1=value-one\r\n");
    CConf conf(file);
    char buffer[6];
    EXPECT_EQ(conf.GetStringValue("A", "k1", buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "value");
    EXPECT_EQ(conf.GetStringValue("A", "missing", buffer, sizeof buffer, "d"), 1);
    EXPECT_STREQ(buffer, "d");
}

TEST(CConf, MissingFileIsEmptyMissingFolderKeepsValueInMemory)
{
    TempDir dir;
    EXPECT_EQ(CConf(dir / "none.ini").GetValue("S", "k", "dflt"), "dflt");
    CConf conf(dir / "no/such/folder/x.ini");
    EXPECT_FALSE(conf.SetValue("L2Discover", "UseCacheDatainDiscover", "1"));
    EXPECT_EQ(conf.GetValue("L2Discover", "UseCacheDatainDiscover"), "1");
}

TEST(CConf, WritersKeepWhatOthersWroteSinceTheyReadAndEditWritesOnce)
{
    TempDir dir;
    const std::string file = dir / "Devices.ini";
    CConf early(file);   // read before the others wrote
    ASSERT_TRUE(CConf(file).SetValue("R2", "Type", "router"));
    ASSERT_TRUE(early.SetValue("R1", "Type", "router"));
    EXPECT_TRUE(CConf(file).HasKey("R1", "Type"));
    EXPECT_TRUE(CConf(file).HasKey("R2", "Type"));

    // A refused edit writes nothing; an unchanged value does not replace the file.
    EXPECT_FALSE(early.Edit([](CConf& c) { return c.SetValue("R3", "Type", "switch") && false; }));
    EXPECT_EQ(CConf(file).HasKey("R3", "Type"), false);
    const auto before = std::filesystem::last_write_time(file);
    EXPECT_TRUE(early.Edit([](CConf& c) { return c.SetValue("R1", "Type", "router") && c.DeleteKey("R9", "x"); }));
    EXPECT_EQ(std::filesystem::last_write_time(file), before);

    // Nothing to change in a missing file leaves no file behind.
    EXPECT_TRUE(CConf(dir / "none.ini").DeleteKey("S", "k"));
    EXPECT_FALSE(std::filesystem::exists(dir / "none.ini"));
}

TEST(CFileLock, AnEditWaitsForTheLockHeldElsewhere)
{
    TempDir dir;
    const std::string file = dir / "TWDataSet.ini";
    std::atomic<bool> written{false};
    std::thread writer;
    {
        CFileLock held(file);
        ASSERT_TRUE(held.Locked());
        writer = std::thread([&] { written = CConf(file).SetValue("EXTERNAL_DATASETS", "Path1", "/data/a"); });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_FALSE(written) << "wrote while another held the lock";
        EXPECT_EQ(twtest::ReadBytes(file), "") << "the lock made the file, empty";
    }
    writer.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(CConf(file).GetValue("EXTERNAL_DATASETS", "Path1"), "/data/a");
}

} // namespace

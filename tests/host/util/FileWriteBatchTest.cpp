#include "host/util/FileWriteBatch.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

using twtest::TempDir;

namespace {

TEST(FileWriteBatch, HoldsBackUntilClosedAndKeepsTheLastBytesOfEachPath)
{
    TempDir dir;
    const std::string table = dir / "r1.oat";
    const std::string other = dir / "r2.oat";
    twtest::WriteBytes(table, "old");
    {
        FileWriteBatch batch;
        ASSERT_TRUE(FileWriteBatch::Write(table, "first"));
        {
            FileWriteBatch inner;   // joins the open batch: closing it writes nothing
            ASSERT_TRUE(FileWriteBatch::Write(table, "second"));
            ASSERT_TRUE(FileWriteBatch::Write(other, "r2"));
        }
        EXPECT_EQ(twtest::ReadBytes(table), "old");
        EXPECT_FALSE(std::filesystem::exists(other));
        ASSERT_NE(FileWriteBatch::Pending(table), nullptr);
        EXPECT_EQ(*FileWriteBatch::Pending(table), "second");

        // Another thread has no batch open: it neither sees nor joins this one.
        std::thread([&] {
            EXPECT_EQ(FileWriteBatch::Pending(table), nullptr);
            EXPECT_TRUE(FileWriteBatch::Write(dir / "t.oat", "now"));
        }).join();
        EXPECT_EQ(twtest::ReadBytes(dir / "t.oat"), "now");
    }
    EXPECT_EQ(twtest::ReadBytes(table), "second");
    EXPECT_EQ(twtest::ReadBytes(other), "r2");
    EXPECT_EQ(FileWriteBatch::Pending(table), nullptr);
    // Only the files themselves: no temporary is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}

TEST(FileWriteBatch, AFileThatCannotBeWrittenFailsTheFlushAndSparesTheOthers)
{
    TempDir dir;
    FileWriteBatch batch;
    ASSERT_TRUE(FileWriteBatch::Write(dir / "gone/r1.oat", "lost folder"));
    ASSERT_TRUE(FileWriteBatch::Write(dir / "r2.oat", "kept"));
    EXPECT_FALSE(batch.Flush());
    EXPECT_EQ(twtest::ReadBytes(dir / "r2.oat"), "kept");
    EXPECT_EQ(FileWriteBatch::Pending(dir / "r1.oat"), nullptr);
}

} // namespace

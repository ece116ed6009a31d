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

// Held-back text is converted to CR LF only when read or written, and only
// as the path's last text; plain bytes written after it stay as they are.
TEST(FileWriteBatch, CrLfTextIsConvertedWhenReadOrWrittenAsThePathsLast)
{
    TempDir dir;
    EXPECT_TRUE(FileWriteBatch::WriteWithCrLf(dir / "now.txt", "a\nb\r\n\nc"));
    EXPECT_EQ(twtest::ReadBytes(dir / "now.txt"), "a\r\nb\r\r\n\r\nc");
    {
        FileWriteBatch batch;
        ASSERT_TRUE(FileWriteBatch::WriteWithCrLf(dir / "r1.txt", "first\n"));
        ASSERT_TRUE(FileWriteBatch::WriteWithCrLf(dir / "r1.txt", "x\ny\n"));
        ASSERT_NE(FileWriteBatch::Pending(dir / "r1.txt"), nullptr);
        EXPECT_EQ(*FileWriteBatch::Pending(dir / "r1.txt"), "x\r\ny\r\n");
        ASSERT_TRUE(FileWriteBatch::WriteWithCrLf(dir / "r2.txt", "kept\n"));
        ASSERT_TRUE(FileWriteBatch::WriteWithCrLf(dir / "r3.txt", "replaced\n"));
        ASSERT_TRUE(FileWriteBatch::Write(dir / "r3.txt", "plain\n"));
    }
    EXPECT_EQ(twtest::ReadBytes(dir / "r1.txt"), "x\r\ny\r\n");
    EXPECT_EQ(twtest::ReadBytes(dir / "r2.txt"), "kept\r\n");
    EXPECT_EQ(twtest::ReadBytes(dir / "r3.txt"), "plain\n");
}

} // namespace

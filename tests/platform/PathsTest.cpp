#include "platform/core/Paths.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace platform;

TEST(Paths, SeparatorHelpers)
{
    EXPECT_TRUE(EndsWithSeparator("a/"));
    EXPECT_TRUE(EndsWithSeparator("a\\"));
    EXPECT_FALSE(EndsWithSeparator("a"));
    EXPECT_FALSE(EndsWithSeparator(""));

    EXPECT_EQ(EnsureTrailingSlash("/p/DataFolders"), "/p/DataFolders/");
    EXPECT_EQ(EnsureTrailingSlash("/p/DataFolders/"), "/p/DataFolders/");
    EXPECT_EQ(EnsureTrailingSlash("/p/DataFolders\\"), "/p/DataFolders/");
    EXPECT_EQ(EnsureTrailingSlash(""), "");

    EXPECT_EQ(JoinPath("/p/d", "x.txt"), "/p/d/x.txt");
    EXPECT_EQ(JoinPath("/p/d/", "/x.txt"), "/p/d/x.txt");
    EXPECT_EQ(JoinPath("", "x.txt"), "x.txt");
}

namespace {
size_t EntryCount(const std::string& folder)
{
    size_t n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}
} // namespace

TEST(AtomicWriteFile, ReplacesContentAndKeepsMode)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("TWDataSet.ini", "old content that is longer"));
    ASSERT_EQ(::chmod((dir / "TWDataSet.ini").c_str(), 0640), 0);

    EXPECT_TRUE(AtomicWriteFile(dir / "TWDataSet.ini", "new\r\n"));
    EXPECT_EQ(dir.ReadFile("TWDataSet.ini"), "new\r\n");
    EXPECT_EQ(EntryCount(dir.Path()), 1u) << "a temporary file was left behind";
    struct stat st {};
    ASSERT_EQ(::stat((dir / "TWDataSet.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    EXPECT_TRUE(AtomicWriteFile(dir / "fresh.txt", ""));
    EXPECT_TRUE(dir.Exists("fresh.txt"));
    EXPECT_EQ(dir.ReadFile("fresh.txt"), "");
}

TEST(AtomicWriteFile, FailsCleanlyAndLeavesTheOldFile)
{
    twtest::TempDir dir;
    EXPECT_FALSE(AtomicWriteFile(dir / "missing/file.txt", "x"));
    EXPECT_FALSE(dir.Exists("missing"));

    // A folder where the file should be: the rename cannot replace it.
    ASSERT_TRUE(dir.WriteFile("Config/keep.txt", "keep"));
    EXPECT_FALSE(AtomicWriteFile(dir / "Config", "x"));
    EXPECT_EQ(dir.ReadFile("Config/keep.txt"), "keep");
    EXPECT_EQ(EntryCount(dir.Path()), 1u) << "the temporary file must be removed";

    EXPECT_FALSE(AtomicWriteFile(dir / "Config/", "x"));
    EXPECT_FALSE(AtomicWriteFile("", "x"));
}

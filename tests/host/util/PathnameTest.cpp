#include "host/util/Pathname.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

using twtest::TempDir;

namespace {

TEST(Pathname, MkdirHierMakesEveryParentAndFailsOverAFile)
{
    TempDir dir;
    EXPECT_EQ(Pathname(dir / "a/Monday/").file(), "Monday");
    ASSERT_TRUE(Pathname(dir / "a/b/c/").mkdirHier(0775));
    EXPECT_TRUE(Pathname(dir / "a/b/c").exists());
    EXPECT_TRUE(Pathname(dir / "a/b/c").mkdirHier(0775)) << "an existing folder is success";
    twtest::WriteBytes(dir / "file", "x");
    EXPECT_FALSE(Pathname(dir / "file").mkdirHier(0775));
    EXPECT_FALSE(Pathname(dir / "file/sub").mkdirHier(0775));
}

TEST(Pathname, RemoveFileTakesAFileAnEmptyFolderOrWithRecursiveATree)
{
    TempDir dir;
    ASSERT_TRUE(Pathname(dir / "t/LiveConfig").mkdirHier(0775));
    twtest::WriteBytes(dir / "t/LiveConfig/r1.config", "hostname r1");
    twtest::WriteBytes(dir / "t/TheDataset.Desc", "<DatasetDesc/>");
    ASSERT_TRUE(Pathname(dir / "outside").mkdirHier(0775));
    twtest::WriteBytes(dir / "outside/keep.txt", "data");
    ASSERT_EQ(::symlink((dir / "outside").c_str(), (dir / "t/link").c_str()), 0);

    // Written as a folder, a link to one is still removed as the link.
    ASSERT_EQ(::symlink((dir / "outside").c_str(), (dir / "alias").c_str()), 0);
    EXPECT_TRUE(Pathname(dir / "alias/").removeFile(true));
    EXPECT_FALSE(Pathname(dir / "alias").exists());
    EXPECT_EQ(twtest::ReadBytes(dir / "outside/keep.txt"), "data");

    EXPECT_FALSE(Pathname(dir / "t").removeFile(false)) << "a full folder needs recursive";
    EXPECT_TRUE(Pathname(dir / "t/TheDataset.Desc").removeFile(false));
    EXPECT_FALSE(Pathname(dir / "t/TheDataset.Desc").exists());
    EXPECT_TRUE(Pathname(dir / "t").removeFile(true));
    EXPECT_FALSE(Pathname(dir / "t").exists());
    EXPECT_FALSE(Pathname(dir / "t").removeFile(true)) << "nothing there";
    EXPECT_EQ(twtest::ReadBytes(dir / "outside/keep.txt"), "data") << "links are not followed";
}

} // namespace

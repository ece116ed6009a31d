#include "platform/qt/ShellFileOp.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using platform::ShellFileOp;

TEST(ShellFileOp, CopyTreeReplacesFilesAndCreatesFolders)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("src/a.txt", "new a"));
    ASSERT_TRUE(dir.WriteFile("src/LiveConfig/r1.config", "r1"));
    ASSERT_TRUE(dir.MakeDir("src/Empty"));
    ASSERT_TRUE(dir.WriteFile("dst/a.txt", "old a"));
    ASSERT_TRUE(dir.WriteFile("dst/other.txt", "other"));

    ShellFileOp op(nullptr, "Copying DataFolder");
    ASSERT_TRUE(op.Copy(dir / "src/", dir / "dst/")) << op.Error();
    EXPECT_TRUE(op.Error().empty());
    EXPECT_EQ(dir.ReadFile("dst/a.txt"), "new a");
    EXPECT_EQ(dir.ReadFile("dst/LiveConfig/r1.config"), "r1");
    EXPECT_TRUE(dir.Exists("dst/Empty"));
    EXPECT_EQ(dir.ReadFile("dst/other.txt"), "other");
    EXPECT_EQ(dir.ReadFile("src/a.txt"), "new a");

    // A fresh destination several levels deep is created.
    ASSERT_TRUE(op.Copy(dir / "src", dir / "x/y/z")) << op.Error();
    EXPECT_EQ(dir.ReadFile("x/y/z/LiveConfig/r1.config"), "r1");

    // A single file goes into a folder, or to a new name.
    ASSERT_TRUE(op.Copy(dir / "src/a.txt", dir / "dst/Empty")) << op.Error();
    EXPECT_EQ(dir.ReadFile("dst/Empty/a.txt"), "new a");
    ASSERT_TRUE(op.Copy(dir / "src/a.txt", dir / "renamed.txt")) << op.Error();
    EXPECT_EQ(dir.ReadFile("renamed.txt"), "new a");
}

TEST(ShellFileOp, CopyFailuresAreReportedNotShown)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("src/a.txt", "a"));
    ShellFileOp op(nullptr, "Copying");
    EXPECT_FALSE(op.Copy(dir / "missing", dir / "dst"));
    EXPECT_NE(op.Error().find("missing"), std::string::npos) << op.Error();

    EXPECT_FALSE(op.Copy(dir / "src", dir / "src/inner"));
    EXPECT_FALSE(dir.Exists("src/inner/inner"));
    EXPECT_FALSE(op.Error().empty());

    // The destination is a file, so no folder can be made there.
    ASSERT_TRUE(dir.WriteFile("blocker", "b"));
    EXPECT_FALSE(op.Copy(dir / "src", dir / "blocker"));
    EXPECT_EQ(dir.ReadFile("blocker"), "b");
}

TEST(ShellFileOp, DeleteRemovesWholeTree)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("DataFolders/Old/LiveConfig/r1.config", "x"));
    ASSERT_TRUE(dir.WriteFile("DataFolders/Old/TWDataSet.ini", "x"));
    ASSERT_TRUE(dir.WriteFile("DataFolders/Keep/a.txt", "k"));

    ShellFileOp op(nullptr, "Deleting DataFolder");
    ASSERT_TRUE(op.Delete(dir / "DataFolders/Old/")) << op.Error();
    EXPECT_FALSE(dir.Exists("DataFolders/Old"));
    EXPECT_EQ(dir.ReadFile("DataFolders/Keep/a.txt"), "k");

    ASSERT_TRUE(op.Delete(dir / "DataFolders/Keep/a.txt")) << op.Error();
    EXPECT_FALSE(dir.Exists("DataFolders/Keep/a.txt"));

    EXPECT_FALSE(op.Delete(dir / "DataFolders/Old"));
    EXPECT_FALSE(op.Error().empty());
}

TEST(ShellFileOp, RenameRefusesToOverwrite)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("A/f.txt", "a"));
    ASSERT_TRUE(dir.WriteFile("B/g.txt", "b"));
    ShellFileOp op;
    EXPECT_FALSE(op.Rename(dir / "A", dir / "B"));
    EXPECT_EQ(dir.ReadFile("B/g.txt"), "b");
    EXPECT_EQ(dir.ReadFile("A/f.txt"), "a");

    ASSERT_TRUE(op.Rename(dir / "A/", dir / "C/")) << op.Error();
    EXPECT_EQ(dir.ReadFile("C/f.txt"), "a");
    EXPECT_FALSE(dir.Exists("A"));
    // A change of case only is a rename like any other.
    ASSERT_TRUE(op.Rename(dir / "C", dir / "c")) << op.Error();
    EXPECT_EQ(dir.ReadFile("c/f.txt"), "a");

    EXPECT_FALSE(op.Rename(dir / "nothing", dir / "D"));
}

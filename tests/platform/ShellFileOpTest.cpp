#include "platform/qt/ShellFileOp.h"

#include "support/CancelAtStep.h"
#include "support/TempDir.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using platform::ShellFileOp;
using twtest::CancelAtStep;
using twtest::TempDir;
using twtest::TreeSnapshot;

namespace {

// A DataFolder of some size: its description on top, three kind folders of
// perKind files each (302 files with perKind 100 and the notes).
void MakeDataFolder(const TempDir& dir, const std::string& folder, int perKind)
{
    for (const char* kind : {"LiveConfig", "LiveArpTable", "ShowCommand"})
        for (int i = 0; i < perKind; ++i)
            ASSERT_TRUE(dir.WriteFile(folder + "/" + kind + "/f" + std::to_string(i) + ".txt",
                                      std::string(kind) + " " + std::to_string(i)));
    // Written last, so a walk in the order of creation meets them last too.
    ASSERT_TRUE(dir.WriteFile(folder + "/TheDataset.Desc", "Locked=True\r\n"));
    ASSERT_TRUE(dir.WriteFile(folder + "/notes.txt", "notes"));
}

std::size_t FilesUnder(const std::string& folder)
{
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        count += entry.is_regular_file() ? 1 : 0;
    return count;
}

} // namespace

TEST(ShellFileOp, CopyTreeReplacesFilesAndCreatesFolders)
{
    TempDir dir;
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
    TempDir dir;
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
    TempDir dir;
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
    TempDir dir;
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

TEST(ShellFileOp, CancelledOrFailedCopyLeavesTheTargetAsItWas)
{
    TempDir dir;
    MakeDataFolder(dir, "src", 100);
    // Kept captures keep their time on the way.
    const auto captured = std::filesystem::last_write_time(dir / "src/LiveConfig/f1.txt") - std::chrono::hours(48);
    std::filesystem::last_write_time(dir / "src/LiveConfig/f1.txt", captured);
    // The target holds some of the names with other content, and files of its own.
    ASSERT_TRUE(dir.WriteFile("dst/TheDataset.Desc", "old description"));
    ASSERT_TRUE(dir.WriteFile("dst/LiveConfig/f5.txt", "old f5"));
    ASSERT_TRUE(dir.WriteFile("dst/LiveArpTable/f7.txt", "old f7"));
    ASSERT_TRUE(dir.WriteFile("dst/ShowCommand/f9.txt", "old f9"));
    ASSERT_TRUE(dir.WriteFile("dst/mine.txt", "mine"));
    const auto source = TreeSnapshot(dir / "src");
    const auto target = TreeSnapshot(dir / "dst");
    QWidget owner;

    // Cancelled near its end (305 entries), after most of the replacements.
    {
        CancelAtStep cancel("Import the DataFolder", 300);
        ShellFileOp op(&owner, "Import the DataFolder");
        EXPECT_FALSE(op.Copy(dir / "src", dir / "dst/"));
        EXPECT_TRUE(cancel.Clicked());
        EXPECT_TRUE(op.Cancelled());
        EXPECT_EQ(op.Error(), "The copy was cancelled; \"" + dir / "dst" + "\" is as it was before.");
    }
    // Nothing replaced, added, set aside or half-written stays.
    EXPECT_EQ(TreeSnapshot(dir / "dst"), target);
    EXPECT_EQ(TreeSnapshot(dir / "src"), source);

    // Into folders that did not exist: none of them stays.
    {
        CancelAtStep cancel("Export DataFolder...", 10);
        ShellFileOp op(nullptr, "Export DataFolder...");
        EXPECT_FALSE(op.Copy(dir / "src", dir / "new/deep"));
        EXPECT_TRUE(op.Cancelled());
    }
    EXPECT_FALSE(dir.Exists("new"));

    // A failure midway (a folder where a file must go) is taken back the same way.
    ASSERT_TRUE(dir.MakeDir("dst/ShowCommand/f50.txt"));
    const auto blocked = TreeSnapshot(dir / "dst");
    ShellFileOp op(&owner, "Import the DataFolder");
    EXPECT_FALSE(op.Copy(dir / "src", dir / "dst"));
    EXPECT_FALSE(op.Cancelled());
    EXPECT_NE(op.Error().find("f50.txt"), std::string::npos) << op.Error();
    EXPECT_EQ(TreeSnapshot(dir / "dst"), blocked);

    // Run to its end, the copy replaces and adds, and keeps the rest.
    ASSERT_TRUE(std::filesystem::remove(dir / "dst/ShowCommand/f50.txt"));
    ASSERT_TRUE(op.Copy(dir / "src", dir / "dst")) << op.Error();
    auto expected = source;
    expected["mine.txt"] = "mine";
    EXPECT_EQ(TreeSnapshot(dir / "dst"), expected);
    EXPECT_EQ(std::filesystem::last_write_time(dir / "dst/LiveConfig/f1.txt"), captured);
}

TEST(ShellFileOp, CancelledDeleteKeepsTheFolderWithItsOwnFiles)
{
    TempDir dir;
    MakeDataFolder(dir, "DataFolders/Big", 100);
    QWidget owner;
    {
        // The first forty go from one kind folder, deepest first.
        CancelAtStep cancel("Delete the DataFolder", 40);
        ShellFileOp op(&owner, "Delete the DataFolder");
        EXPECT_FALSE(op.Delete(dir / "DataFolders/Big/"));
        EXPECT_TRUE(cancel.Clicked());
        EXPECT_TRUE(op.Cancelled());
        EXPECT_EQ(op.Error(), "The delete was cancelled after 40 of 302 files. \"" + dir / "DataFolders/Big" +
                                  "\" is still there with the other 262 files.");
    }
    EXPECT_EQ(FilesUnder(dir / "DataFolders/Big"), 262u);
    {
        // Cancelled at the last kind folder (263 entries below the top), the
        // folder's own files are all that is left, whatever the walk's order.
        CancelAtStep cancel("Delete the DataFolder", 262);
        ShellFileOp op(&owner, "Delete the DataFolder");
        EXPECT_FALSE(op.Delete(dir / "DataFolders/Big"));
        EXPECT_TRUE(op.Cancelled());
    }
    EXPECT_EQ(FilesUnder(dir / "DataFolders/Big"), 2u);
    EXPECT_EQ(dir.ReadFile("DataFolders/Big/TheDataset.Desc"), "Locked=True\r\n");
    EXPECT_EQ(dir.ReadFile("DataFolders/Big/notes.txt"), "notes");

    ShellFileOp op(&owner, "Delete the DataFolder");
    ASSERT_TRUE(op.Delete(dir / "DataFolders/Big")) << op.Error();
    EXPECT_FALSE(dir.Exists("DataFolders/Big"));
}

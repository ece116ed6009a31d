// What a drop may put into a kind folder, and the copy that follows: wrong
// kinds and folders are named, taken names are replaced only when asked, and
// the DataFolder panel's drop finds the kind folder from the dropped files.
#include "guidataset/browser/CDataFolderDropTarget.h"
#include "guidataset/browser/core/DroppedFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;
using twtest::TempDir;

TEST(DroppedFiles, PlanSortsWhatCanGoFromWhatCannot)
{
    TempDir dir;
    for (const char* name : {"a/r1.ort", "a/r2$backup$.ort", "a/x$y$z$w.ort", "a/R3.ORT", "a/r4.oat", "b/r1.ort",
                             "target/r2$backup$.ort"})
        ASSERT_TRUE(dir.WriteFile(name, "x"));
    ASSERT_TRUE(dir.MakeDir("a/sub.ort"));
    const DropPlan plan = PlanDroppedFiles({dir / "a/r1.ort", dir / "a/r2$backup$.ort", dir / "a/x$y$z$w.ort",
                                            dir / "a/R3.ORT", dir / "a/r4.oat", dir / "b/r1.ort", dir / "a/sub.ort",
                                            dir / "a/gone.ort", dir / "target/r2$backup$.ort"},
                                           dir / "target", 17);
    EXPECT_EQ(plan.targetFolder, dir / "target/");
    EXPECT_THAT(plan.copies, ElementsAre(dir / "a/r1.ort", dir / "a/R3.ORT"));
    EXPECT_THAT(plan.conflicts, ElementsAre(dir / "a/r2$backup$.ort"));
    EXPECT_THAT(plan.refusals,
                ElementsAre("'x$y$z$w.ort' is not named as a table (<host>, <host>$<qualifier> or "
                            "<host>$<name>$<qualifier>, then .ort).",
                            "'r4.oat' is not a route table (.ort).",
                            "'" + dir / "b/r1.ort" + "' has the name of another dropped file: only the first is copied.",
                            "'" + dir / "a/sub.ort" + "' is a folder: drop the files inside it.",
                            "'" + dir / "a/gone.ort" + "' no longer exists."));

    const DropPlan results = PlanDroppedFiles({dir / "a/r1.ort"}, dir / "ShowCommand", 36);
    EXPECT_THAT(results.refusals,
                ElementsAre("'r1.ort' is not a show-command result (<device>$<command>$<time>.txt)."));
}

TEST(DroppedFiles, CopyKeepsTakenNamesUnlessToldAndCreatesTheFolder)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("in/r1.config", "new r1"));
    ASSERT_TRUE(dir.WriteFile("in/r2.config", "new r2"));
    ASSERT_TRUE(dir.WriteFile("df/LiveConfig/r2.config", "old r2"));
    DropPlan plan = PlanDroppedFiles({dir / "in/r1.config", dir / "in/r2.config"}, dir / "df/LiveConfig", 16);
    std::vector<std::string> told;
    DropCopyResult result = CopyDroppedFiles(plan, false, [&](const std::string& name) { told.push_back(name); });
    EXPECT_EQ(result.copied, 1);
    EXPECT_THAT(result.failures, IsEmpty());
    EXPECT_THAT(told, ElementsAre("r1.config"));
    EXPECT_EQ(dir.ReadFile("df/LiveConfig/r2.config"), "old r2");
    // A name taken between the plan and the copy is not replaced either.
    result = CopyDroppedFiles(plan, false);
    EXPECT_EQ(result.copied, 0);
    EXPECT_THAT(result.failures,
                ElementsAre("'r1.config' appeared in '" + dir / "df/LiveConfig/" + "' meanwhile and was left as it is."));
    plan = PlanDroppedFiles({dir / "in/r1.config", dir / "in/r2.config"}, dir / "df/LiveConfig", 16);
    EXPECT_EQ(plan.conflicts.size(), 2u);
    result = CopyDroppedFiles(plan, true);
    EXPECT_EQ(result.copied, 2);
    EXPECT_EQ(dir.ReadFile("df/LiveConfig/r2.config"), "new r2");

    // The kind folder is made on the way.
    plan = PlanDroppedFiles({dir / "in/r1.config"}, dir / "df2/LiveConfig", 16);
    EXPECT_EQ(CopyDroppedFiles(plan, false).copied, 1);
    EXPECT_EQ(dir.ReadFile("df2/LiveConfig/r1.config"), "new r1");
}

TEST(DroppedFiles, DragBlockHoldsEveryPathEvenLongOnes)
{
    const std::string longPath = "/data/" + std::string(300, 'x') + ".ort";
    const std::string block = BuildDragBlock({"/a/r1.ort", longPath, "/a/r2.ort"});
    EXPECT_EQ(block.size() % (longPath.size() + 1), 1u);
    EXPECT_EQ(block.back(), '\0');
    EXPECT_THAT(ParseDragBlock(block), ElementsAre("/a/r1.ort", longPath, "/a/r2.ort"));
    EXPECT_EQ(BuildDragBlock({"/a"}).size(), 261u);
    EXPECT_EQ(DroppedKindFolderName("/x/Audit/LiveRouteTable/r1.ort"), "LiveRouteTable");
    EXPECT_EQ(DroppedKindFolderName("r1.ort"), "");
}

TEST(DroppedFiles, ADataFolderTakesFilesFromItsOwnKindFoldersOnly)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("Old/LiveRouteTable/r1.ort", "routes"));
    ASSERT_TRUE(dir.WriteFile("Downloads/r1.ort", "routes"));
    ASSERT_TRUE(dir.MakeDir("New"));
    EXPECT_TRUE(CDataFolderDropTarget::DropOnDataFolder({dir / "Old/LiveRouteTable/r1.ort"}, dir / "New/", nullptr));
    EXPECT_EQ(dir.ReadFile("New/LiveRouteTable/r1.ort"), "routes");

    twtest::ScriptedPrompter prompter;
    prompter.ExpectMessage("Only files from a DataFolder's own folders (LiveConfig, LiveRouteTable, LiveArpTable, "
                           "LiveMacTable, LiveCdpTable, ShowCommand) can be dropped on a DataFolder; 'Downloads' is "
                           "none of them.",
                           platform::BoxAnswer::Ok);
    EXPECT_FALSE(CDataFolderDropTarget::DropOnDataFolder({dir / "Downloads/r1.ort"}, dir / "New/", nullptr));
    EXPECT_FALSE(dir.Exists("New/Downloads"));
}

namespace {

// The panel's knowledge of its tree, as the panel will give it: top-level
// items with a path in their data are DataFolders.
class TreeAdapter : public CDataFolderDropTarget::ITreeAdapter {
public:
    bool GetDataFolderPath(const QModelIndex& item, std::string& path) const override
    {
        path = item.data(Qt::UserRole).toString().toStdString();
        return !path.empty();
    }
    QModelIndex CurrentItem() const override { return current; }
    QModelIndex current;
};

void DropOnItem(QTreeWidget& tree, QTreeWidgetItem* item, const QMimeData& data)
{
    const QPoint at = tree.visualItemRect(item).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree.viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree.viewport(), &drop);
}

} // namespace

TEST(DroppedFiles, TheTreeTakesDropsOnItsDataFolderItemsOnly)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("Old/LiveRouteTable/r1.ort", "routes"));
    ASSERT_TRUE(dir.MakeDir("New"));
    QTreeWidget tree;
    auto* dataFolder = new QTreeWidgetItem(&tree, QStringList{"New"});
    dataFolder->setData(0, Qt::UserRole, QString::fromStdString(dir / "New/"));
    auto* other = new QTreeWidgetItem(&tree, QStringList{"Notes"});
    tree.resize(300, 200);
    tree.show();
    TreeAdapter adapter;
    adapter.current = tree.model()->index(1, 0);
    CDataFolderDropTarget target;
    target.RegisterTree(&tree, &adapter);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir / "Old/LiveRouteTable/r1.ort"))});
    DropOnItem(tree, other, data);
    EXPECT_FALSE(dir.Exists("New/LiveRouteTable"));
    DropOnItem(tree, dataFolder, data);
    EXPECT_EQ(dir.ReadFile("New/LiveRouteTable/r1.ort"), "routes");
    // After the drop the panel's own current item is selected again.
    EXPECT_EQ(tree.currentIndex(), adapter.current);
}

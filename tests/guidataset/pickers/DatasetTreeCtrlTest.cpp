// The flat DataFolder tree.
#include "guidataset/dataset/CDatasetTreeCtrl.h"
#include "support/ScriptedPrompter.h"

#include "PickerTestProject.h"

#include <gtest/gtest.h>

using namespace twtest;


TEST(DatasetTreeCtrl, FindInsertAndPath)
{
    PickerTestProject project({"Alpha"});
    ScriptedPrompter prompter;
    CDatasetTreeCtrl tree;
    tree.SetNetworkBase(project.Network());

    QTreeWidgetItem* special = tree.AddSpecialDataSetItem("*Baseline Config", kItemProject, nullptr);
    QTreeWidgetItem* alpha = tree.InsertNewItem("Alpha", kItemExternal);
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(tree.InsertNewItem(special, "ALPHA", 0), alpha);
    EXPECT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(CDatasetTreeCtrl::ItemRecord(alpha)->itemType, kItemProject);
    EXPECT_EQ(CDatasetTreeCtrl::ItemRecord(alpha)->network, project.Network());
    EXPECT_EQ(tree.FindDataSet("alpha"), alpha);
    EXPECT_EQ(tree.FindDataSet("beta"), nullptr);
    EXPECT_EQ(tree.FindDataSet(nullptr), nullptr);
    EXPECT_EQ(tree.GetDataSetFullName(nullptr), "");

    std::string name;
    prompter.ExpectMessage("Select one", platform::BoxAnswer::Ok, kAppOkBox);
    EXPECT_EQ(tree.GetDataSetPath("Select one", name), "");

    tree.setCurrentItem(alpha);
    EXPECT_EQ(tree.GetDataSetPath(nullptr, name), project.FileSystem()->GetDataSetsFolder() + "Alpha/");
    EXPECT_EQ(name, "Alpha");

    tree.OnDestroy();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

// The toolbar picker: the shared filling, forcing before the command items,
// the user's choice, cloning.
#include "guidataset/dataset/CXTPDataSetComboBox.h"
#include "guidataset/dataset/ComboBoxTipDataSets.h"
#include "host/util/TWDataSet.h"

#include "PickerTestProject.h"

#include <QString>
#include <gtest/gtest.h>

#include <memory>

using namespace twtest;

TEST(XTPDataSetComboBoxFill, SharedFillingShowsCurrentAndEightOthers)
{
    PickerTestProject project(NumberedNames(11));
    CXTPDataSetComboBox bar;
    EXPECT_GE(bar.minimumSizeHint().width(), bar.fontMetrics().horizontalAdvance(QString(20, 'x')));

    EXPECT_EQ(picker::RefillComboBox(bar, project.Network(), "DF10", true, true), 8);
    EXPECT_EQ(ItemTexts(bar), (std::vector<std::string>{"DF01", "DF02", "DF03", "DF04", "DF05",
                                                        "DF06", "DF07", "DF08", "DF10", "New...",
                                                        "More..."}));
    // A second fill replaces the first.
    EXPECT_EQ(picker::RefillComboBox(bar, project.Network(), "DF02", true, true), 1);
    EXPECT_EQ(bar.GetCount(), 11);
    EXPECT_EQ(picker::RefillComboBox(bar, nullptr, nullptr, true, true), -1);
    EXPECT_EQ(bar.GetCount(), 0);
}

TEST(XTPDataSetComboBoxForce, InsertsBeforeTheLastTwoItems)
{
    CXTPDataSetComboBox bar;
    for (const char* name : {"A", "B", "C"})
        bar.AddSpecialDataSetItem(name, kItemProject, nullptr);
    bar.AddSpecialDataSetItem("New...", kItemNew, nullptr);
    bar.SetCurSel(0);

    EXPECT_EQ(bar.ForceShowDataSet("/far/away", nullptr, "Away"), 2);
    EXPECT_EQ(bar.GetLBText(2), "Away");
    EXPECT_EQ(bar.GetLBText(3), "C");
    EXPECT_EQ(bar.GetItemRecord(2)->fullName, "/far/away");
    EXPECT_EQ(bar.GetItemRecord(2)->itemType, kItemNoNetwork);
    EXPECT_EQ(bar.ForceShowDataSet("/FAR/AWAY", nullptr, "Away"), 2);
    EXPECT_EQ(bar.GetCount(), 5);
    EXPECT_EQ(bar.GetCurDataSetFullName(), "A");

    // A list of fewer than two items takes it at the top.
    CXTPDataSetComboBox small;
    small.AddSpecialDataSetItem("Only", kItemProject, nullptr);
    EXPECT_EQ(small.ForceShowDataSet("Next", nullptr, nullptr), 0);
    EXPECT_EQ(small.GetLBText(0), "Next");
    EXPECT_EQ(small.GetCurSel(), -1) << "forcing does not select";
    EXPECT_EQ(small.GetCurDataSetFullName(), "");
}

TEST(XTPDataSetComboBoxForce, RegistryRecordWithNetwork)
{
    PickerTestProject project(NumberedNames(3));
    const std::string outside = project.Dir() / "Elsewhere";
    ASSERT_TRUE(project.Dir().MakeDir("Elsewhere"));
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(project.FileSystem(), outside, "Else", 3));

    CXTPDataSetComboBox bar;
    picker::RefillComboBox(bar, project.Network(), "DF01", true, true);
    // As if it had not been listed: the picker's owner frees what it removes.
    const int listed = bar.FindDataSet(outside.c_str());
    delete bar.GetItemRecord(listed);
    bar.DeleteString(listed);
    const int count = bar.GetCount();

    const int index = bar.ForceShowDataSet(outside, project.Network(), nullptr);
    EXPECT_EQ(index, count - 2);
    EXPECT_EQ(bar.GetLBText(index), "Else");
    EXPECT_EQ(bar.GetItemRecord(index)->itemType, kItemExternal);
    EXPECT_EQ(bar.GetItemRecord(index)->network, project.Network());

    // Unknown to the registry: a new item of type 2 with the brief given.
    const int added = bar.InsertNewItem(0, "Pending", project.Network(), kItemProject, "Pend");
    EXPECT_EQ(bar.GetLBText(added), "Pend");
    EXPECT_EQ(bar.InsertNewItem(3, "PENDING", nullptr, kItemNoNetwork, nullptr), added);
}

TEST(XTPDataSetComboBoxChoice, EmitsFullNameAndClonesDeeply)
{
    CXTPDataSetComboBox bar;
    bar.SetShowBriefMode(true);
    bar.AddSpecialDataSetItem("Alpha", kItemProject, nullptr);
    bar.InsertNewItem(1, "/link/beta", nullptr, kItemExternal, "Beta");
    bar.SetCurSel(1);
    bar.RecordLastSel();

    std::vector<std::string> chosen;
    QObject::connect(&bar, &CXTPDataSetComboBox::dataSetChosen,
                     [&](const QString& name) { chosen.push_back(name.toStdString()); });
    emit bar.activated(1);
    EXPECT_EQ(chosen, std::vector<std::string>{"/link/beta"});

    std::unique_ptr<CXTPDataSetComboBox> copy(bar.Clone(0));
    EXPECT_TRUE(copy->IsShowBriefMode());
    EXPECT_EQ(ItemTexts(*copy), ItemTexts(bar));
    EXPECT_EQ(ItemTypes(*copy), ItemTypes(bar));
    EXPECT_EQ(copy->GetCurSel(), 1);
    EXPECT_EQ(copy->GetLastSel(), 1);
    ASSERT_NE(copy->GetItemRecord(1), bar.GetItemRecord(1));
    copy->GetItemRecord(1)->fullName = "changed";
    EXPECT_EQ(bar.GetItemRecord(1)->fullName, "/link/beta");

    bar.FreeMemory();
    EXPECT_EQ(bar.GetItemRecord(0), nullptr);
    EXPECT_EQ(copy->GetItemRecord(0)->fullName, "Alpha");
}

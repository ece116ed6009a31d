// The combo box with tips behaves like a list box: no selection appears or
// moves by itself, and the last selection can be restored.
#include "host/guiutil/CComboBoxTip.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/qt/ControlId.h"

#include <gtest/gtest.h>

TEST(CComboBoxTip, InsertAndDeleteNeverSelectByThemselves)
{
    CComboBoxTip combo;
    EXPECT_EQ(combo.AddString("b"), 0);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.InsertString(0, "a"), 0);
    EXPECT_EQ(combo.InsertString(99, "d"), 2);
    EXPECT_EQ(combo.InsertString(-1, "e"), 3);
    EXPECT_EQ(combo.GetCurSel(), -1);

    combo.SetCurSel(1);   // "b"
    combo.InsertString(0, "first");
    EXPECT_EQ(combo.GetLBText(combo.GetCurSel()), "b");
    EXPECT_EQ(combo.DeleteString(0), 4);
    EXPECT_EQ(combo.GetLBText(combo.GetCurSel()), "b");
    EXPECT_EQ(combo.DeleteString(combo.GetCurSel()), 3);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.DeleteString(7), -1);
    combo.SetCurSel(42);
    EXPECT_EQ(combo.GetCurSel(), -1);
}

TEST(CComboBoxTip, FindStringExactIgnoresCaseAndWraps)
{
    CComboBoxTip combo;
    for (const char* text : {"Local default", "alpha", "ALPHA"})
        combo.AddString(text);
    EXPECT_EQ(combo.FindStringExact("local DEFAULT"), 0);
    EXPECT_EQ(combo.FindStringExact("local DEFAULT", -1, true), -1);
    EXPECT_EQ(combo.FindStringExact("Alpha", 1), 2);
    EXPECT_EQ(combo.FindStringExact("alpha", 2), 1);
    EXPECT_EQ(combo.FindStringExact("alph"), -1);
}

TEST(CComboBoxTip, RecordsLastSelectionToolTipAndNotification)
{
    CComboBoxTip combo;
    platform::SetControlId(&combo, 77);
    tagDataSetInfo record;
    combo.AddString("x");
    combo.AddString("y");
    combo.SetItemRecord(1, &record);
    EXPECT_EQ(combo.GetItemRecord(1), &record);
    EXPECT_EQ(combo.GetItemRecord(0), nullptr);
    EXPECT_EQ(combo.GetItemRecord(5), nullptr);

    combo.SetCurSel(1);
    combo.RecordLastSel();
    combo.SetCurToolTipText(true);
    EXPECT_EQ(combo.GetToolTipText(), "y");
    combo.SetCurSel(0);
    combo.ResetLastSel();
    EXPECT_EQ(combo.GetCurSel(), 1);
    combo.SetCurToolTipText(false);
    EXPECT_EQ(combo.GetToolTipText(), "");

    int id = 0;
    QObject::connect(&combo, &CComboBoxTip::selectionChangeNotified, [&](int c) { id = c; });
    combo.NotifySelectionChange();
    EXPECT_EQ(id, 77);

    combo.SetCurSel(-1);
    combo.SetEditText("pick one");
    EXPECT_EQ(combo.GetEditText(), "pick one");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), -1);
}

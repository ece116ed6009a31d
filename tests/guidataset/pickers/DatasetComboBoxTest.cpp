// The dialog DataFolder picker: filling from the registry and the map centre,
// insertion by name, the "New..."/"More..." command items, the path rule.
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/dataset/core/CurrentDataSetRecord.h"
#include "host/adaptor/GuiMapCenter.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"
#include "support/MockGuiDatasetCenter.h"
#include "support/ScriptedPrompter.h"

#include "PickerTestProject.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace twtest;

using testing::_;
using testing::DoAll;
using testing::Eq;
using testing::Return;
using testing::SetArgReferee;

namespace {

constexpr int kPickerId = 1234;

// Counts the parent notifications of a picker.
struct NotificationCounter {
    explicit NotificationCounter(CComboBoxTip& combo)
    {
        QObject::connect(&combo, &CComboBoxTip::selectionChangeNotified,
                         [this](int id) { ids.push_back(id); });
    }
    std::vector<int> ids;
};

struct RecordingMapCenter : GuiMapCenter {
    void GetLinkedDataSets(std::vector<tagDataSetInfo*>& records) override
    {
        for (const auto& [full, brief] : linked) {
            auto* record = new tagDataSetInfo;
            record->fullName = full;
            record->briefName = brief;
            record->itemType = 3;
            records.push_back(record);
        }
    }
    std::vector<std::pair<std::string, std::string>> linked;
};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(DatasetComboBoxFill, CurrentKeptAndEightOthersThenCommandItems)
{
    // Twelve DataFolders: DF01..DF11 and "Local default"; the fifth is current.
    const auto names = NumberedNames(11);
    PickerTestProject project(names);
    std::string currentPath;
    ASSERT_TRUE(WriteCurrentDataSetRecord("DF05", GetCurrBaselineFileSystem()->GetDataSet(), currentPath));

    CDatasetComboBox combo;
    combo.setEditable(true);
    combo.InitDataset(nullptr, nullptr, true, true);

    EXPECT_FALSE(combo.isEditable());
    EXPECT_EQ(combo.GetNetworkBase(), project.Network());
    const std::vector<std::string> shown{"DF01", "DF02", "DF03", "DF04", "DF05",
                                         "DF06", "DF07", "DF08", "DF09"};
    EXPECT_EQ(ItemTexts(combo), Concat(shown, {"New...", "More..."}));
    EXPECT_EQ(combo.GetCurSel(), 4);
    EXPECT_EQ(combo.GetLastSel(), 4);
    EXPECT_EQ(ItemTypes(combo).back(), kItemMore);
    EXPECT_EQ(ItemTypes(combo)[combo.GetCount() - 2], kItemNew);
    for (int i = 0; i < combo.GetCount(); ++i)
        EXPECT_EQ(combo.GetItemRecord(i)->network, project.Network()) << i;

    // An explicit current name wins over the record, ignoring case; the last
    // registry entry being current still leaves room for eight others.
    combo.InitDataset("local DEFAULT", nullptr, true, false);
    EXPECT_EQ(ItemTexts(combo), Concat(std::vector<std::string>(names.begin(), names.begin() + 8),
                                       {"Local default", "More..."}));
    EXPECT_EQ(combo.GetCurSel(), 8);
}

TEST(DatasetComboBoxFill, MoreOnlyWhenEightOthersWereShown)
{
    {
        // Eight DataFolders besides the current "Local default".
        PickerTestProject project(NumberedNames(8));
        CDatasetComboBox combo;
        combo.InitDataset("Local default", nullptr, true, false);
        EXPECT_EQ(combo.GetCount(), 10);
        EXPECT_EQ(combo.GetLBText(9), "More...");
    }
    {
        PickerTestProject project(NumberedNames(7));
        CDatasetComboBox combo;
        combo.InitDataset("Local default", nullptr, true, true);
        EXPECT_EQ(combo.GetCount(), 9);
        EXPECT_EQ(combo.GetLBText(8), "New...");
        // Without the limit everything is listed and "More..." never appears.
        combo.InitDataset("nowhere", nullptr, false, false);
        EXPECT_EQ(combo.GetCount(), 8);
        EXPECT_EQ(combo.GetCurSel(), 0) << "an unlisted current name selects the first item";
    }
}

TEST(DatasetComboBoxFill, WithoutProjectShowsTheMapCentresDataFolders)
{
    ASSERT_EQ(CBaseline::Instance(), nullptr);
    RecordingMapCenter map;
    map.linked = {{"/data/site-a", "Site A"}, {"/data/site-b", "Site B"}};
    GuiMapCenter* previous = GuiMapCenter::Install(&map);

    CDatasetComboBox combo;
    combo.InitDataset("/DATA/site-b", nullptr, false, true);
    EXPECT_EQ(ItemTexts(combo), (std::vector<std::string>{"Site A", "Site B"}));
    EXPECT_EQ(ItemTypes(combo), (std::vector<int>{kItemNoNetwork, kItemNoNetwork}));
    EXPECT_EQ(combo.GetItemRecord(1)->fullName, "/data/site-b");
    EXPECT_EQ(combo.GetItemRecord(1)->network, nullptr);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.GetLastSel(), 1);

    combo.InitDataset(nullptr, nullptr, false, true);
    EXPECT_EQ(combo.GetCurSel(), 0);

    // Without a network the path rule hands back the full name.
    std::string name;
    EXPECT_EQ(combo.GetDataSetPath(nullptr, name), "/data/site-a");
    EXPECT_EQ(name, "/data/site-a");

    map.linked.clear();
    combo.InitDataset(nullptr, nullptr, false, true);
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), -1);
    GuiMapCenter::Install(previous);
}

TEST(DatasetComboBoxInsert, ExistingNameKeptAndSelectionFollowsItsItem)
{
    PickerTestProject project({"Alpha", "Beta"});
    CDatasetComboBox combo;
    combo.InitDataset("Beta", nullptr, false, false);   // Alpha, Beta, Local default
    ASSERT_EQ(combo.GetCurSel(), 1);

    EXPECT_EQ(combo.InsertNewItem(2, "bETA", kItemProject), 1);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetCurSel(), 1);

    // Before the selection: the selected DataFolder stays selected at its new index.
    EXPECT_EQ(combo.InsertNewItem("Gamma", kItemProject), 0);
    EXPECT_EQ(ItemTexts(combo), (std::vector<std::string>{"Gamma", "Alpha", "Beta", "Local default"}));
    EXPECT_EQ(combo.GetLBText(combo.GetCurSel()), "Beta");
    EXPECT_EQ(combo.GetLastSel(), 2);
    EXPECT_EQ(combo.GetItemRecord(0)->network, project.Network());

    // After it: nothing moves.
    EXPECT_EQ(combo.InsertNewItem(3, "Delta", "/outside/delta", kItemExternal), 3);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.FindDataSet("/OUTSIDE/delta"), 3);
    EXPECT_EQ(combo.FindDataSet("Delta"), -1) << "items are found by full name";
    EXPECT_EQ(combo.FindDataSet(nullptr), -1);

    // The workspace entry goes to the top.
    EXPECT_EQ(combo.InsertWorkspaceDataset(), 0);
    EXPECT_EQ(combo.GetLBText(0), CDatasetComboBox::m_cstrDataset);
    EXPECT_EQ(combo.GetLBText(combo.GetLastSel()), "Beta");
}

TEST(DatasetComboBoxInsert, ForcingUsesTheRegistryRecord)
{
    PickerTestProject project(NumberedNames(10));
    CDatasetComboBox combo;
    combo.InitDataset("DF01", nullptr, true, true);   // 9 DataFolders, New..., More...
    ASSERT_EQ(combo.GetCount(), 11);

    const std::string outside = project.Dir() / "Outside";
    ASSERT_TRUE(project.Dir().MakeDir("Outside"));
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(project.FileSystem(), outside, "Far", 3));
    const int index = combo.ForceShowDataSet(outside);
    EXPECT_EQ(index, 9) << "before New... and More...";
    EXPECT_EQ(combo.GetLBText(9), "Far");
    EXPECT_EQ(combo.GetItemRecord(9)->itemType, kItemExternal);
    EXPECT_EQ(combo.ForceShowDataSet("df01"), 0) << "present: its index, nothing added";
    EXPECT_EQ(combo.GetCount(), 12);

    // Not in the registry: by name at the top.
    EXPECT_EQ(combo.ForceShowDataSet("Ghost"), 0);
    EXPECT_EQ(combo.GetItemRecord(0)->itemType, kItemProject);
    EXPECT_EQ(combo.GetLBText(combo.GetCurSel()), "DF01");

    // No network: appended, type 4.
    combo.SetNetworkBase(nullptr);
    const int before = combo.GetCount();
    EXPECT_EQ(combo.ForceShowDataSet("Loose"), before);
    EXPECT_EQ(combo.GetItemRecord(before)->itemType, kItemNoNetwork);
}

TEST(DatasetComboBoxSelection, NewCancelledRestoresQuietlyAcceptedInsertsAtTopAndNotifies)
{
    PickerTestProject project({"Alpha"});
    MockGuiDatasetCenter service;
    ScopedMockGuiDatasetCenter installed(service);
    CDatasetComboBox combo;
    platform::SetControlId(&combo, kPickerId);
    combo.InitDataset("Alpha", nullptr, true, true);   // Alpha, Local default, New...
    NotificationCounter notified(combo);

    EXPECT_CALL(service, NewDataset(_, Eq(project.FileSystem()), Eq(std::string())))
        .WillOnce(Return(false))
        .WillOnce(DoAll(SetArgReferee<0>(std::string("Fresh")), Return(true)));
    combo.SetCurSel(2);
    emit combo.activated(2);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_TRUE(notified.ids.empty());

    combo.SetCurSel(2);
    combo.OnCbnSelchange();
    EXPECT_EQ(combo.GetLBText(0), "Fresh");
    EXPECT_EQ(combo.GetItemRecord(0)->itemType, kItemProject);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(combo.GetLastSel(), 0);
    EXPECT_EQ(combo.toolTip().toStdString(), "Fresh");
    EXPECT_EQ(notified.ids, std::vector<int>{kPickerId});
}

TEST(DatasetComboBoxSelection, MoreCancelledAndOrdinaryChoice)
{
    PickerTestProject project(NumberedNames(9));
    MockGuiDatasetCenter service;
    ScopedMockGuiDatasetCenter installed(service);
    CDatasetComboBox combo;
    combo.InitDataset("DF03", nullptr, true, false);   // DF01..DF09, More...
    NotificationCounter notified(combo);

    // An ordinary DataFolder becomes the last selection and the parent hears of it.
    combo.SetCurSel(5);
    combo.OnCbnSelchange();
    EXPECT_EQ(combo.GetLastSel(), 5);
    EXPECT_EQ(combo.toolTip().toStdString(), "DF06");
    EXPECT_EQ(notified.ids.size(), 1u);

    const int more = combo.GetCount() - 1;
    EXPECT_CALL(service, SelectCurrentDataset(Eq(static_cast<CComboBoxTip*>(&combo)), 5,
                                              Eq(project.Network())))
        .WillOnce(Return(false));
    combo.SetCurSel(more);
    combo.OnCbnSelchange();
    EXPECT_EQ(combo.GetCurSel(), 5);
    EXPECT_EQ(notified.ids.size(), 1u);
}

TEST(DatasetComboBoxPath, WorkspaceEntryOrdinaryNameAndNoSelection)
{
    PickerTestProject project({"Alpha"});
    ScriptedPrompter prompter;
    CDatasetComboBox combo;
    combo.InitDataset("Alpha", nullptr, false, false);
    combo.InsertWorkspaceDataset();

    std::string name;
    combo.SetCurSel(0);
    EXPECT_EQ(combo.GetDataSetPath("unused", name), project.FileSystem()->GetConfigRootFolder());
    EXPECT_EQ(name, "*Baseline Config");

    combo.SetCurSel(combo.FindDataSet("alpha"));
    EXPECT_EQ(combo.GetDataSetPath("unused", name),
              project.FileSystem()->GetDataSetsFolder() + "Alpha/");
    EXPECT_EQ(name, "Alpha");
    EXPECT_EQ(combo.GetDataSetFullName(nullptr), "Alpha");

    combo.SetCurSel(-1);
    name = "kept";
    prompter.ExpectMessage("Please select a DataFolder", platform::BoxAnswer::Ok, kAppOkBox);
    EXPECT_EQ(combo.GetDataSetPath("Please select a DataFolder", name), "");
    EXPECT_EQ(name, "kept");
    // No message given: quietly empty.
    EXPECT_EQ(combo.GetDataSetFullName(nullptr), "");
    EXPECT_EQ(combo.GetDataSetPath("", name), "");

    combo.OnDestroy();
    EXPECT_EQ(combo.GetCount(), 0);
}

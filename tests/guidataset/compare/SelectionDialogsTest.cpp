// The current-versus-baseline pickers and the selection dialogs that other
// modules open before they compare: remembered choices in the record file,
// refusals and messages, and what reaches the caller and the host.
#include "support/CampusProject.h"

#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/resources/DlgSelect2DatasetIds.h"
#include "guidataset/resources/DlgSelectShowCommandIds.h"
#include "guidataset/resources/Select2ConfigDlgIds.h"
#include "host/adaptor/HostMessages.h"
#include "host/adaptor/ITwoCompareDatasets.h"
#include "host/netmodel/CProjectNetworkInfo.h"
#include "host/util/CConf.h"
#include "host/util/CFileName.h"
#include "host/util/MessageDispatcher.h"
#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QTreeWidget>

#include <gmock/gmock.h>

#include <filesystem>

using platform::BoxAnswer;
using testing::ElementsAre;
using twtest::kAppOkBox;
using twtest::kNoticeBox;
using twtest::ModalDriver;

namespace {

class CurrentVersusBaseline : public twtest::CampusProject {
protected:
    CurrentVersusBaseline() : compare(GuiDatasetCenterImpl::Instance()->GetTwoCompareDatasetsPtr())
    {
        // The object is shared by every caller: each test starts from plain settings.
        compare->SetUseCurrentDataset(0);
        compare->SetRecordKeys("DiffCurrent", "DiffBaseline");
    }
    void Init(bool* currentMissing = nullptr, bool* baselineMissing = nullptr, const std::string& defaultBaseline = "")
    {
        compare->InitDatasetComboBoxes(&current, &baseline, nullptr, "", defaultBaseline, currentMissing,
                                       baselineMissing);
    }
    std::string Recorded(const std::string& key) const
    {
        return CConf(project + "TWDataSet.ini").GetValue("RECORD_INFO", key);
    }

    ITwoCompareDatasets* compare;
    CDatasetComboBox current;
    CDatasetComboBox baseline;
    std::string currentPath;
    std::string baselinePath;
};

TEST_F(CurrentVersusBaseline, TheCurrentChoiceIsRememberedEvenWhenTheBaselineFailsAndComesBackNextTime)
{
    ASSERT_EQ(GuiDatasetCenterImpl::Instance()->GetTwoCompareDatasetsPtr(), compare);
    ASSERT_NE(compare, nullptr);
    Init();
    current.SetCurSel(current.FindDataSet("Audit"));
    baseline.SetCurSel(baseline.FindDataSet("Field Lab"));
    std::filesystem::remove_all(DataFolder("Field Lab"));
    prompter.ExpectMessage("Please select baseline DataFolder.", BoxAnswer::Ok, kNoticeBox);
    EXPECT_FALSE(compare->GetTwoDatasetPaths(&current, currentPath, &baseline, baselinePath, false));
    EXPECT_EQ(Recorded("DiffCurrent"), "Audit");
    EXPECT_EQ(Recorded("DiffBaseline"), "");

    // Reopened: the remembered DataFolder is selected; the gone one is missing.
    CConf(project + "TWDataSet.ini").SetValue("RECORD_INFO", "DiffBaseline", "Field Lab");
    bool currentMissing = true;
    bool baselineMissing = false;
    Init(&currentMissing, &baselineMissing, "Field Lab");
    EXPECT_EQ(current.currentText().toStdString(), "Audit");
    EXPECT_FALSE(currentMissing);
    EXPECT_EQ(baseline.GetCurSel(), -1);
    EXPECT_TRUE(baselineMissing);
}

TEST_F(CurrentVersusBaseline, TheSameDataFolderTwiceIsRefusedUnlessAllowed)
{
    Init();
    current.SetCurSel(current.FindDataSet("Audit"));
    baseline.SetCurSel(baseline.FindDataSet("audit"));
    prompter.ExpectMessage("The Current DataFolder cannot be same as the baseline DataFolder.", BoxAnswer::Ok,
                           kNoticeBox);
    EXPECT_FALSE(compare->GetTwoDatasetPaths(&current, currentPath, &baseline, baselinePath, false));
    EXPECT_TRUE(compare->GetTwoDatasetPaths(&current, currentPath, &baseline, baselinePath, true));
    EXPECT_EQ(currentPath, DataFolder("Audit"));
    EXPECT_EQ(baselinePath, DataFolder("Audit"));
    // Nothing chosen: false without a word.
    baseline.SetCurSel(-1);
    EXPECT_FALSE(compare->GetTwoDatasetPaths(&current, currentPath, &baseline, baselinePath, false));
}

TEST_F(CurrentVersusBaseline, UseCurrentFixesTheCurrentPickerToTheCurrentDataFolder)
{
    compare->SetUseCurrentDataset(1);
    Init();
    ASSERT_EQ(current.GetCount(), 1);
    EXPECT_EQ(current.currentText().toStdString(), "Local default");
    EXPECT_FALSE(current.isEnabled());
    EXPECT_GE(baseline.FindDataSet("Field Lab"), 0);
    EXPECT_TRUE(baseline.isEnabled());
}

class SelectionDialogs : public twtest::CampusProject {};

TEST_F(SelectionDialogs, TwoDataFoldersTheWorkspaceEntryAndTheSameFolderRule)
{
    std::string first = DataFolder("Audit");
    std::string second = "*";
    prompter.ExpectMessage("The first DataFolder cannot be same with the second one .", BoxAnswer::Ok, kAppOkBox);
    ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Please Select Two DataFolders");
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcSelect2DatasetFirstPicker), "Audit");
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcSelect2DatasetSecondPicker), "*Baseline Config");
        EXPECT_FALSE(platform::Control<QWidget>(&dialog, kIdcSelect2DatasetFirstLive)->isVisible());
        Choose(dialog, kIdcSelect2DatasetSecondPicker, "Audit");
        ModalDriver::Click(dialog, kIdcSelect2DatasetOk);
        Choose(dialog, kIdcSelect2DatasetSecondPicker, "Field Lab");
        ModalDriver::Click(dialog, kIdcSelect2DatasetOk);
        return dialog.result();
    });
    EXPECT_EQ(GuiDatasetCenterImpl::Instance()->ShowSelect2DatasetDialog(nullptr, first, second, false, true), 1);
    EXPECT_EQ(first, DataFolder("Audit"));
    EXPECT_EQ(second, DataFolder("Field Lab"));
}

TEST_F(SelectionDialogs, TheSameDataFolderIsAcceptedForLiveAgainstSimulatedRouteTables)
{
    std::string first = DataFolder("Audit");
    std::string second = DataFolder("Audit");
    int firstTable = 0;
    int secondTable = 0;
    ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        // No workspace entry in this form.
        EXPECT_LT(platform::Control<CDatasetComboBox>(&dialog, kIdcSelect2DatasetFirstPicker)->FindDataSet("*Baseline Config"), 0);
        EXPECT_TRUE(platform::Control<QAbstractButton>(&dialog, kIdcSelect2DatasetSecondLive)->isChecked());
        ModalDriver::Click(dialog, kIdcSelect2DatasetSecondSimulated);
        ModalDriver::Click(dialog, kIdcSelect2DatasetOk);
        return dialog.result();
    });
    EXPECT_EQ(GuiDatasetCenterImpl::Instance()->ShowSelect2DatasetDialog2(nullptr, first, second, firstTable,
                                                                         secondTable, false, true),
              1);
    EXPECT_EQ(second, DataFolder("Audit"));
    EXPECT_EQ(firstTable, 0);
    EXPECT_EQ(secondTable, 1);
}

TEST_F(SelectionDialogs, ShowCommandsAreListedOnceAndAppendedToTheCallersList)
{
    for (const auto& [command, time] : {std::pair{"show ip route", "2024-05-01 10-00-00.000"},
                                        std::pair{"show version", "2024-05-01 10-00-01.000"},
                                        std::pair{"show ip route", "2024-05-02 10-00-00.000"}})
        temp.WriteFile("campus/DataFolders/Audit/ShowCommand/" +
                           CFileName::ToShowCommandResultFileName("core-r1", command, time, "txt"),
                       "output\r\n");
    std::vector<std::string> chosen{"show clock"};
    prompter.ExpectMessage("Please select select commands.", BoxAnswer::Ok, kAppOkBox);
    prompter.ExpectMessage("No show commands in data folder.", BoxAnswer::Ok, kAppOkBox);
    ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Please select show commands");
        auto* list = platform::Control<QTreeWidget>(&dialog, kIdcSelectShowCommandList);
        std::vector<std::string> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.push_back(list->topLevelItem(i)->text(0).toStdString());
        EXPECT_THAT(rows, testing::UnorderedElementsAre("show ip route", "show version"));
        ModalDriver::Click(dialog, kIdcSelectShowCommandOk);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            list->topLevelItem(i)->setSelected(true);
        ModalDriver::Click(dialog, kIdcSelectShowCommandOk);
        return dialog.result();
    });
    EXPECT_TRUE(GuiDatasetCenterImpl::Instance()->DialogSelectShowCommand("Audit", chosen, nullptr, false));
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(chosen[0], "show clock");

    // A DataFolder without results says so and counts as cancelled.
    driver.Expect([](QDialog& dialog) { return dialog.result(); });
    std::vector<std::string> none{"show clock"};
    EXPECT_FALSE(GuiDatasetCenterImpl::Instance()->DialogSelectShowCommand("Field Lab", none, nullptr, false));
    EXPECT_THAT(none, ElementsAre("show clock"));
}

TEST_F(SelectionDialogs, TwoConfigurationsOfADeviceGoToTheHostAsMessage1088)
{
    temp.WriteFile("campus/Config/core-r1.config", "hostname core-r1\r\n");
    temp.WriteFile("campus/DataFolders/Audit/LiveConfig/core-r1.config", "hostname core-r1\r\n!\r\n");
    temp.WriteFile("campus/DataFolders/Audit/LiveConfig/core-r10.config", "hostname core-r10\r\n");
    std::vector<std::string> received;
    MessageDispatcher::Instance().RegisterReceiver(
        hostmsg::kConfigViewerReceiver, [&](unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
            received = {std::to_string(message), reinterpret_cast<const char*>(wparam),
                        reinterpret_cast<const char*>(lparam)};
            return 1L;
        });
    prompter.ExpectMessage("Please select a configuration file.", BoxAnswer::Ok, kAppOkBox);
    prompter.ExpectMessage("Please select two configuration files.", BoxAnswer::Ok, kAppOkBox);
    prompter.ExpectMessage("Please select two different configuration files.", BoxAnswer::Ok, kAppOkBox);
    ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Compare Device Configurations");
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcSelect2ConfigPicker), "Baseline");
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcSelect2ConfigDevice), "core-r1");
        auto* files = platform::Control<QTreeWidget>(&dialog, kIdcSelect2ConfigFiles);
        ModalDriver::Click(dialog, kIdcSelect2ConfigTakeFirst);
        ModalDriver::Click(dialog, kIdcSelect2ConfigOk);
        EXPECT_EQ(files->topLevelItemCount(), 1);
        files->topLevelItem(0)->setSelected(true);
        ModalDriver::Click(dialog, kIdcSelect2ConfigTakeFirst);
        ModalDriver::Click(dialog, kIdcSelect2ConfigTakeSecond);
        // The DataFolder holds this device's file only, not core-r10's.
        Choose(dialog, kIdcSelect2ConfigPicker, "Audit");
        EXPECT_EQ(files->topLevelItemCount(), 1);
        files->topLevelItem(0)->setSelected(true);
        ModalDriver::Click(dialog, kIdcSelect2ConfigTakeSecond);
        ModalDriver::Click(dialog, kIdcSelect2ConfigOk);
        return dialog.result();
    });
    CProjectNetworkInfo networkInfo(GetCurrentGNI());
    GuiDatasetCenterImpl::Instance()->CompareConfigFile("core-r1", 0, CBaseline::Instance()->GetFileSystem(),
                                                        &networkInfo);
    MessageDispatcher::Instance().UnRegisterReceiver(hostmsg::kConfigViewerReceiver);
    EXPECT_THAT(received, ElementsAre("1088", project + "Config/core-r1.config",
                                      DataFolder("Audit") + "LiveConfig/core-r1.config"));
}

} // namespace

// The table compare dialog and "Compare Configuration and Routing", opened
// through the DataFolder service and driven through their controls: what they
// list, what they refuse and say, and what reaches the caller and the host.
#include "support/CampusProject.h"

#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/resources/CompareDatasetDlgIds.h"
#include "guidataset/resources/CompareMultiDlgIds.h"
#include "host/devicegui/CDeviceListCtrl.h"
#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>

#include <gmock/gmock.h>

using platform::BoxAnswer;
using testing::ElementsAre;
using testing::StartsWith;
using twtest::kAppOkBox;
using twtest::ModalDriver;

namespace {

class TableCompareDialog : public twtest::CampusProject {
protected:
    int Open(const std::function<int(QDialog&)>& step, int kind = CTWRTPath::kRouteTable,
             const std::string& openingFile = "", bool allowSame = false)
    {
        ModalDriver driver;
        driver.Expect(step);
        return GuiDatasetCenterImpl::Instance()->ShowCompareDataSet(nullptr, kind, host, first, second, allowSame,
                                                                    openingFile);
    }
    std::string host;
    std::string first = "Audit";
    std::string second = "Field Lab";
};

TEST_F(TableCompareDialog, RouteTablesListLiveThenSimulatedAndOnlyTheFirstSidePreselectsTheOpenedTable)
{
    PutTable("Audit", CTWRTPath::kRouteTable, "core-r1");
    const std::string saved = PutTable("Audit", CTWRTPath::kRouteTable, "core-r1", "before-change", "vrf blue");
    PutTable("Audit", CTWRTPath::kSimulatedRouteTable, "core-r1", "default-simulation");
    PutTable("Audit", CTWRTPath::kRouteTable, "core-r2");   // another device is never listed
    const std::string otherLive = PutTable("Field Lab", CTWRTPath::kRouteTable, "core-r1");
    PutTable("Field Lab", CTWRTPath::kRouteTable, "core-r1", "before-change", "vrf blue");
    first.clear();
    // The opened file decides kind, device, left DataFolder and table, whatever the caller passed.
    const int result = Open(
        [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "Compare Route Table");
            EXPECT_EQ(ModalDriver::Text(dialog, kIdcCompareDatasetHostName), "core-r1");
            EXPECT_EQ(ModalDriver::Text(dialog, kIdcCompareDatasetFirstPicker), "Audit");
            const auto firstItems = Items(dialog, kIdcCompareDatasetFirstTable);
            EXPECT_EQ(firstItems.size(), 3u);
            if (!firstItems.empty()) {
                EXPECT_THAT(firstItems.back(), StartsWith("default-simulation "));
            }
            EXPECT_THAT(ModalDriver::Text(dialog, kIdcCompareDatasetFirstTable), StartsWith("before-change vrf blue 20"));
            // The second side starts on its first entry even though it holds the same table.
            EXPECT_EQ(Items(dialog, kIdcCompareDatasetSecondTable).size(), 2u);
            EXPECT_EQ(platform::Control<QComboBox>(&dialog, kIdcCompareDatasetSecondTable)->currentIndex(), 0);
            Choose(dialog, kIdcCompareDatasetSecondTable, ItemStartingWith(dialog, kIdcCompareDatasetSecondTable, "default-live "));
            ModalDriver::Click(dialog, kIdcCompareDatasetOk);
            return dialog.result();
        },
        CTWRTPath::kArpTable, saved);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(host, "core-r1");
    EXPECT_EQ(first, saved);
    EXPECT_EQ(second, otherLive);
}

TEST_F(TableCompareDialog, OkRefusesInOrderAndNothingReachesTheCallerUntilAccepted)
{
    PutTable("Audit", CTWRTPath::kArpTable, "dist-sw1");
    const std::string other = PutTable("Audit", CTWRTPath::kArpTable, "dist-sw1", "monday", "");
    twtest::RecordingDeviceCenter devices;
    devices.answerHost = "dist-sw1";
    prompter.ExpectMessage("Please select a device first.", BoxAnswer::Ok, kAppOkBox);
    prompter.ExpectMessage("The first DataFolder cannot be same with the second one .", BoxAnswer::Ok, kAppOkBox);
    second = "Audit";
    const int result = Open(
        [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "Compare ARP Table");
            EXPECT_TRUE(Items(dialog, kIdcCompareDatasetFirstTable).empty());
            ModalDriver::Click(dialog, kIdcCompareDatasetOk);
            ModalDriver::Click(dialog, kIdcCompareDatasetSelect);
            EXPECT_EQ(ModalDriver::Text(dialog, kIdcCompareDatasetHostName), "dist-sw1");
            // The same DataFolder on both sides with the same table is refused...
            ModalDriver::Click(dialog, kIdcCompareDatasetOk);
            EXPECT_TRUE(dialog.isVisible());
            // ...and accepted once the tables differ.
            Choose(dialog, kIdcCompareDatasetFirstTable, ItemStartingWith(dialog, kIdcCompareDatasetFirstTable, "monday "));
            Choose(dialog, kIdcCompareDatasetSecondTable,
                   ItemStartingWith(dialog, kIdcCompareDatasetSecondTable, "default-live "));
            ModalDriver::Click(dialog, kIdcCompareDatasetOk);
            return dialog.result();
        },
        CTWRTPath::kArpTable);
    EXPECT_EQ(result, 1);
    EXPECT_THAT(devices.filters, ElementsAre(26));
    EXPECT_EQ(host, "dist-sw1");
    EXPECT_EQ(first, other);
    EXPECT_NE(second, other);
}

TEST_F(TableCompareDialog, AnEmptySideIsRefusedAndCancelLeavesTheCallersStrings)
{
    PutTable("Audit", CTWRTPath::kMacTable, "dist-sw1");
    host = "dist-sw1";
    prompter.ExpectMessage("The Second DataFolder cannot be empty.", BoxAnswer::Ok, kAppOkBox);
    const int result = Open(
        [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "Compare MAC Table");
            ModalDriver::Click(dialog, kIdcCompareDatasetOk);   // "Field Lab" holds no MAC table
            return int(QDialog::Rejected);
        },
        CTWRTPath::kMacTable);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(first, "Audit");
    EXPECT_EQ(second, "Field Lab");
}

class ConfigRouteDialog : public twtest::CampusProject {
protected:
    int Open(const std::function<int(QDialog&)>& step)
    {
        ModalDriver driver;
        driver.Expect(step);
        return GuiDatasetCenterImpl::Instance()->ShowCompareMultiDlg(nullptr, devices, first, second, choices);
    }
    static CDeviceListCtrl* List(QDialog& dialog)
    {
        return platform::Control<CDeviceListCtrl>(&dialog, kIdcCompareMultiDevices);
    }
    static bool Visible(QDialog& dialog, int id) { return platform::Control<QWidget>(&dialog, id)->isVisible(); }
    static bool Checked(QDialog& dialog, int id)
    {
        return platform::Control<QAbstractButton>(&dialog, id)->isChecked();
    }

    std::vector<std::string> devices{"core-r1", "gone-r9", "dist-sw1"};
    std::string first;
    std::string second = "*";
    int choices = 3;
};

TEST_F(ConfigRouteDialog, OpensOnTheWorkspaceDropsUnknownDevicesAndTheWorkspaceTakesNoRouteTables)
{
    first = DataFolder("Audit");
    const int result = Open([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Compare Configuration and Routing");
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcCompareMultiFirstPicker), "Audit");
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcCompareMultiSecondPicker), "*Baseline Config");
        CDeviceListCtrl* list = List(dialog);
        EXPECT_EQ(list->headerItem()->text(0).toStdString(), "Device name");
        EXPECT_EQ(list->GetItemCount(), 2);
        EXPECT_EQ(list->GetItemText(0), "core-r1");
        EXPECT_EQ(list->GetItemText(1), "dist-sw1");
        EXPECT_TRUE(Checked(dialog, kIdcCompareMultiConfigFiles));
        EXPECT_TRUE(Checked(dialog, kIdcCompareMultiRouteTables));
        // Choosing the workspace hides its retrieve link and unticks route tables...
        Choose(dialog, kIdcCompareMultiFirstPicker, "*Baseline Config");
        EXPECT_FALSE(Visible(dialog, kIdcCompareMultiFirstRetrieve));
        EXPECT_FALSE(Checked(dialog, kIdcCompareMultiRouteTables));
        // ...another DataFolder shows the link again but leaves the box unticked.
        Choose(dialog, kIdcCompareMultiFirstPicker, "Field Lab");
        EXPECT_TRUE(Visible(dialog, kIdcCompareMultiFirstRetrieve));
        EXPECT_FALSE(Checked(dialog, kIdcCompareMultiRouteTables));
        ModalDriver::Click(dialog, kIdcCompareMultiCompare);
        return dialog.result();
    });
    EXPECT_EQ(result, 1);
    EXPECT_THAT(devices, ElementsAre("core-r1", "dist-sw1"));
    EXPECT_EQ(first, DataFolder("Field Lab"));
    EXPECT_EQ(second, project + "Config/");
    EXPECT_EQ(choices, 1);
}

TEST_F(ConfigRouteDialog, CompareRefusesInOrderWithTheWrittenMessages)
{
    devices.clear();
    choices = 2;
    twtest::RecordingDeviceCenter deviceCenter;
    deviceCenter.answerDevices = {{"core-r2", TW_DEVICE_ROUTER}, {"core-r1", TW_DEVICE_ROUTER}};
    prompter.ExpectMessage("Please add devices to compare", BoxAnswer::Ok, kAppOkBox);
    prompter.ExpectMessage("If you want to compare route table, please don\u2019t select the special DataFolder "
                           "'*Baseline Config' to compare.",
                           BoxAnswer::Ok, kAppOkBox);
    prompter.ExpectMessage("Please select configuration files or route tables to compare.", BoxAnswer::Ok,
                           kAppOkBox);
    prompter.ExpectMessage("The first DataFolder cannot be same with the second one .", BoxAnswer::Ok, kAppOkBox);
    const int result = Open([&](QDialog& dialog) {
        ModalDriver::Click(dialog, kIdcCompareMultiCompare);
        ModalDriver::Click(dialog, kIdcCompareMultiAddDevice);
        EXPECT_EQ(List(dialog)->GetItemCount(), 2);
        // Route tables with the workspace on one side, even though nothing else is wrong.
        ModalDriver::Click(dialog, kIdcCompareMultiCompare);
        ModalDriver::Check(dialog, kIdcCompareMultiRouteTables, false);
        ModalDriver::Click(dialog, kIdcCompareMultiCompare);
        ModalDriver::Check(dialog, kIdcCompareMultiConfigFiles, true);
        Choose(dialog, kIdcCompareMultiFirstPicker, "Audit");
        Choose(dialog, kIdcCompareMultiSecondPicker, "Audit");
        ModalDriver::Click(dialog, kIdcCompareMultiCompare);
        EXPECT_TRUE(dialog.isVisible());
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(result, 0);
    EXPECT_THAT(deviceCenter.actions, ElementsAre(20));
    EXPECT_TRUE(devices.empty());   // cancelled: the caller's list is untouched
    EXPECT_EQ(choices, 2);
}

TEST_F(ConfigRouteDialog, RetrieveHandsTheListedDevicesToLiveAccessUnlessBusyOrTheWorkspace)
{
    first = DataFolder("Audit");
    devices = {"dist-sw1", "core-r1", "core-r2"};
    twtest::RecordingLiveAccess live;
    prompter.ExpectMessage("Cannot retrieve live data to  the special DataFolder '*Baseline Config'.", BoxAnswer::Ok,
                           kAppOkBox);
    prompter.ExpectMessage("The system is retrieving the live data. Please wait...", BoxAnswer::Ok, kAppOkBox);
    Open([&](QDialog& dialog) {
        // The link of the workspace side is hidden; a user can still reach it by keyboard.
        platform::Control<QAbstractButton>(&dialog, kIdcCompareMultiSecondRetrieve)->click();
        CDeviceListCtrl* list = List(dialog);
        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(2)->setSelected(true);
        ModalDriver::Click(dialog, kIdcCompareMultiRemove);
        EXPECT_EQ(list->GetItemCount(), 1);
        ModalDriver::Click(dialog, kIdcCompareMultiFirstRetrieve);
        live.busy = true;
        ModalDriver::Click(dialog, kIdcCompareMultiFirstRetrieve);
        live.busy = false;
        list->topLevelItem(0)->setSelected(true);
        ModalDriver::Click(dialog, kIdcCompareMultiRemove);
        ModalDriver::Click(dialog, kIdcCompareMultiFirstRetrieve);
        return int(QDialog::Rejected);
    });
    ASSERT_EQ(live.retrievals.size(), 2u);
    EXPECT_EQ(live.retrievals[0].devices, "core-r2");
    EXPECT_EQ(live.retrievals[0].dataFolder, "Audit");
    EXPECT_EQ(live.retrievals[0].mode, 2);
    EXPECT_EQ(live.retrievals[1].devices, "\n");   // no device left
}

} // namespace

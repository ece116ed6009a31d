// The DataFolder View dialog on a real temporary project, and the service's
// route-table rows.
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dataset/core/DataKindFiles.h"
#include "guidataset/dialogs/CDovrelDataSetView.h"
#include "guidataset/resources/DovrelDataSetViewIds.h"
#include "host/baseline/CBaseline.h"
#include "platform/core/DirEntry.h"
#include "platform/qt/ControlId.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDialog>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <map>
#include <vector>
#include <set>

namespace {

using twtest::ModalDriver;

// A local wall-clock time set as the file's last-write time.
void SetLocalMTime(const std::string& path, int year, int month, int day, int hour, int minute,
                   int second)
{
    std::tm local{};
    local.tm_year = year - 1900, local.tm_mon = month - 1, local.tm_mday = day;
    local.tm_hour = hour, local.tm_min = minute, local.tm_sec = second, local.tm_isdst = -1;
    const auto sys = std::chrono::system_clock::from_time_t(std::mktime(&local));
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(sys));
}

std::set<std::string> Names(QTreeView& list)
{
    std::set<std::string> names;
    const QAbstractItemModel* model = list.model();
    for (int row = 0; row < model->rowCount(); ++row)
        names.insert(model->index(row, 0).data().toString().toStdString());
    return names;
}

class DataSetViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CBaseline::Open(temp / "project", true));
        path = temp / "project/DataFolders/Audit";
        // Right extension in the right folder, beside wrong ones, a sub-folder and a companion.
        const std::vector<std::string> files = {
            "LiveConfig/r1.config", "LiveConfig/notes.txt", "LiveConfig/old.config/keep.config",
            "LiveRouteTable/r1.ort", "LiveRouteTable/core.v2.ort", "LiveRouteTable/r1.oat",
            "SimulatedRouteTable/sim1.ort", "root-table.ort", "LiveArpTable/r1.oat",
            "LiveMacTable/r1.omt", "LiveCdpTable/r1.cdp", "LiveCdpTable/r1.config",
            "ShowCommand/r1$show ip route$20240101.txt",
            "ShowCommand/r1$show ip route$20240101.txt.rtf",
            "ShowCommand/sw2$show vlan$20240102.txt"};
        for (const std::string& file : files)
            ASSERT_TRUE(temp.WriteFile("project/DataFolders/Audit/" + file, "x"));
    }
    void TearDown() override { CBaseline::Close(); }

    twtest::TempDir temp;
    std::string path;
};

TEST_F(DataSetViewTest, EachKindEntryListsItsOwnFiles)
{
    const std::vector<std::pair<std::string, int>> entries = {
        {"LiveConfig", 16},   {"LiveRouteTable", 17}, {"SimulatedRouteTable", 18},
        {"LiveArpTable", 22}, {"LiveMacTable", 23},   {"LiveCdpTable", 24},
        {"ShowCommand", 36}};
    const std::vector<std::set<std::string>> expected = {
        {"r1"}, {"r1", "core.v2"}, {"sim1"}, {"r1"}, {"r1"}, {"r1"},
        {"r1$show ip route$20240101", "sw2$show vlan$20240102"}};

    twtest::ScriptedPrompter prompter;
    ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        EXPECT_EQ(ModalDriver::Text(dialog, ids::kIdcDataSetViewName), "Audit");
        EXPECT_EQ(ModalDriver::Text(dialog, ids::kIdcDataSetViewPath), path);
        auto* picker = platform::Control<QComboBox>(&dialog, ids::kIdcDataSetViewKind);
        auto* list = platform::Control<QTreeView>(&dialog, ids::kIdcDataSetViewFiles);
        if (!picker || !list)
            return ADD_FAILURE() << "controls missing", int(QDialog::Rejected);
        EXPECT_EQ(picker->currentText().toStdString(), "LiveRouteTable");
        EXPECT_EQ(Names(*list), expected[1]);
        QAbstractItemModelTester tester(list->model(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_EQ(picker->count(), static_cast<int>(entries.size()));
        for (int i = 0; i < picker->count() && i < static_cast<int>(entries.size()); ++i) {
            EXPECT_EQ(picker->itemText(i).toStdString(), entries[i].first);
            EXPECT_EQ(picker->itemData(i).toInt(), entries[i].second);
            picker->setCurrentIndex(i);
            EXPECT_EQ(Names(*list), expected[i]) << entries[i].first;
        }
        return ModalDriver::ClickStep(ids::kIdcDataSetViewClose)(dialog);
    });
    GuiDatasetCenterImpl::Instance()->ViewDataSet(path, nullptr, false);
    ASSERT_EQ(driver.Titles().size(), 1u);
    EXPECT_EQ(driver.Titles()[0], "DataFolder View");
}

TEST_F(DataSetViewTest, PreselectFlagOpensOnSimulatedTablesWithTheirTimes)
{
    SetLocalMTime(path + "/SimulatedRouteTable/sim1.ort", 2024, 3, 5, 14, 7, 9);
    ModalDriver driver;
    driver.Expect([](QDialog& dialog) {
        EXPECT_EQ(ModalDriver::Text(dialog, ids::kIdcDataSetViewKind), "SimulatedRouteTable");
        auto* list = platform::Control<QTreeView>(&dialog, ids::kIdcDataSetViewFiles);
        if (!list || list->model()->rowCount() != 1)
            return ADD_FAILURE() << "sim1 not listed alone", int(QDialog::Rejected);
        const QAbstractItemModel& model = *list->model();
        EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Create Time");
        EXPECT_EQ(model.index(0, 0).data().toString(), "sim1");
        EXPECT_EQ(model.index(0, 1).data().toString(), "2024-03-05 14:07:09");
        EXPECT_TRUE(model.index(0, 2).data().toString().isEmpty());
        return int(QDialog::Rejected);
    });
    // A trailing separator is not doubled.
    GuiDatasetCenterImpl::Instance()->ViewDataSet(path + "/", nullptr, true);
}

TEST_F(DataSetViewTest, VanishedDataFolderListsNothing)
{
    std::filesystem::remove_all(path);
    twtest::ScriptedPrompter prompter;   // any message would fail the test
    CDovrelDataSetView dialog;
    dialog.SetDataSetPath(path);
    dialog.show();
    auto* picker = platform::Control<QComboBox>(&dialog, ids::kIdcDataSetViewKind);
    auto* list = platform::Control<QTreeView>(&dialog, ids::kIdcDataSetViewFiles);
    ASSERT_TRUE(picker && list);
    for (int i = 0; i < picker->count(); ++i) {
        picker->setCurrentIndex(i);
        EXPECT_EQ(list->model()->rowCount(), 0) << picker->currentText().toStdString();
    }
}

TEST_F(DataSetViewTest, RouteTableFilesAsRouteTablePageRows)
{
    const std::string folder = temp / "project/DataFolders/Audit/LiveRouteTable/";
    ASSERT_TRUE(temp.WriteFile("project/DataFolders/Audit/LiveRouteTable/core1$backup$vrfA.ort", "x"));
    ASSERT_TRUE(temp.WriteFile("project/DataFolders/Audit/LiveRouteTable/edge%242$vrf%20B.ort", "x"));
    SetLocalMTime(folder + "core1$backup$vrfA.ort", 2023, 12, 31, 23, 59, 58);

    QTreeWidget list;
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"earlier"}));
    GuiDatasetCenterImpl::Instance()->ShowRouteTableFiles(&list, folder, 4);

    ASSERT_EQ(list.columnCount(), 3);
    EXPECT_EQ(list.headerItem()->text(2).toStdString(), "Execution Time");
    const std::map<std::string, std::pair<std::string, std::string>> expected = {
        {"r1.ort", {"r1", "default-live"}},
        {"core.v2.ort", {"core.v2", "default-live"}},
        {"core1$backup$vrfA.ort", {"core1 vrfA", "backup"}},
        {"edge%242$vrf%20B.ort", {"edge$2 vrf B", "default-live"}}};
    std::vector<platform::DirEntry> listed;
    ListDataKindFiles(listed, folder, kKindLiveRouteTable, {});
    ASSERT_EQ(list.topLevelItemCount(), static_cast<int>(listed.size()) + 1);
    // The newest-listed file comes first; the list's own row stays below.
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(static_cast<int>(listed.size() - 1 - i));
        const auto& [host, name] = expected.at(listed[i].name);
        EXPECT_EQ(item->text(0).toStdString(), host);
        EXPECT_EQ(item->text(1).toStdString(), name);
        EXPECT_EQ(item->data(0, Qt::UserRole).toInt(), 4);
    }
    EXPECT_EQ(list.topLevelItem(list.topLevelItemCount() - 1)->text(0), "earlier");
    const auto rows = list.findItems("core1 vrfA", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->text(2).toStdString(), "2023-12-31 23:59");

    QTreeWidget empty;
    GuiDatasetCenterImpl::Instance()->ShowRouteTableFiles(&empty, temp / "missing/", 0);
    EXPECT_EQ(empty.topLevelItemCount(), 0);
}

} // namespace

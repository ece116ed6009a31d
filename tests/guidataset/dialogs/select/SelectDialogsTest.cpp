// The Select DataFolder dialogs and the service calls that run them, and the
// DataFolder export, on a temporary project.
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/dataset/CXTPDataSetComboBox.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dataset/ModuleEntry.h"
#include "guidataset/dialogs/CDovrelDataSetSaveAs.h"
#include "guidataset/dialogs/CDovrelSelectDataset.h"
#include "guidataset/dialogs/ExportDataFolder.h"
#include "guidataset/resources/DovrelDataSetSaveAsIds.h"
#include "guidataset/resources/DovrelSelectDatasetIds.h"
#include "guidataset/resources/SelectADatasetDlgIds.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CConf.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FileTimes.h"
#include "platform/qt/ControlId.h"
#include "support/CancelAtStep.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

using platform::BoxAnswer;
using twtest::ModalDriver;
using twtest::ScriptedPrompter;

namespace {

QTreeView* ListOf(QDialog& dialog)
{
    return platform::Control<QTreeView>(&dialog, kIdcSelectDatasetList);
}

std::vector<std::string> Rows(QDialog& dialog)
{
    std::vector<std::string> rows;
    QAbstractItemModel* model = ListOf(dialog)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.push_back(model->index(row, 0).data().toString().toStdString());
    return rows;
}

std::string SelectedRow(QDialog& dialog)
{
    const QModelIndexList rows = ListOf(dialog)->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().data().toString().toStdString() : std::string();
}

// Selects the row showing text and clicks OK.
ModalDriver::Step PickRow(const std::string& text)
{
    return [text](QDialog& dialog) {
        QTreeView* list = ListOf(dialog);
        const QModelIndexList found = list->model()->match(
            list->model()->index(0, 0), Qt::DisplayRole, QString::fromStdString(text), 1,
            Qt::MatchFixedString);
        EXPECT_EQ(found.size(), 1) << text;
        if (!found.isEmpty())
            list->selectionModel()->setCurrentIndex(
                found.front(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        ModalDriver::Click(dialog, kIdcSelectDatasetOk);
        return dialog.result();
    };
}

class SelectDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TwGuidatasetAttach();
        service = GuiDatasetCenterImpl::Instance();
        service->InitBarComboBox(&bar);
        for (const char* name : {"Alpha", "Beta", "Gamma"})
            ASSERT_TRUE(temp.MakeDir(std::string("project/DataFolders/") + name));
        ASSERT_TRUE(CBaseline::Open(temp / "project", true));
        network = CBaseline::Instance();
        fileSystem = network->GetFileSystem();
    }
    void TearDown() override
    {
        CBaseline::Close();
        service->InitBarComboBox(nullptr);
        GuiDatasetCenter::ResetFactory();
    }

    std::string PathOf(const std::string& name) { return fileSystem->GetDataSetsFolder() + name; }
    std::string Record(const std::string& key)
    {
        return CConf(fileSystem->GetRegistryFile()).GetValue("RECORD_INFO", key);
    }

    twtest::TempDir temp;
    ScriptedPrompter prompter;
    ModalDriver driver;
    CXTPDataSetComboBox bar;
    GuiDatasetCenterImpl* service = nullptr;
    CNetworkBase* network = nullptr;
    TWFileSystem* fileSystem = nullptr;
};

TEST_F(SelectDialogsTest, ListLeavesOutNamesSelectsTheCurrentRowAndFreesRowsOnClose)
{
    service->RecordCurrentDataSet("Gamma", fileSystem);
    CDovrelSelectDataset dialog(network, {"BETA"});
    QAbstractItemModelTester tester(ListOf(dialog)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"Alpha", "Gamma", "Local default"}));
    EXPECT_EQ(SelectedRow(dialog), "Gamma");

    QAbstractItemModel* model = ListOf(dialog)->model();
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Update Time");
    EXPECT_EQ(model->index(0, 2).data().toString().toStdString(),
              platform::FormatLocalTime(platform::LastWriteTime(PathOf("Alpha")), "%Y-%m-%d %H:%M"));
    EXPECT_EQ(model->index(0, 1).data().toString().size(), 16);

    dialog.reject();
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(SelectDialogsTest, SelectDatasetHandsBackNameBriefAndPathOnlyOnOk)
{
    ASSERT_TRUE(temp.MakeDir("outside/Lab"));
    const std::string linked = temp / "outside/Lab";
    ASSERT_TRUE(TWDataSet::AddExternalDataSet(fileSystem, linked, "Lab brief", 3));

    std::string name = "n", path = "p", brief = "b";
    std::vector<std::string> leaveOut;
    driver.Expect(ModalDriver::Reject());
    EXPECT_FALSE(service->SelectDataset(name, path, network, brief, leaveOut));
    EXPECT_EQ(name + path + brief, "npb");

    // OK without a row stays open; the linked DataFolder comes back by path.
    prompter.ExpectMessage("Please select a DataFolder.", BoxAnswer::Ok, twtest::kNoticeBox);
    driver.Expect([](QDialog& dialog) {
        ListOf(dialog)->selectionModel()->clearSelection();
        ModalDriver::Click(dialog, kIdcSelectDatasetOk);
        EXPECT_TRUE(dialog.isVisible());
        return PickRow("Lab brief")(dialog);
    });
    EXPECT_TRUE(service->SelectDataset(name, path, network, brief, leaveOut));
    EXPECT_EQ(name, linked);
    EXPECT_EQ(brief, "Lab brief");
    EXPECT_EQ(path, linked + "/");

    driver.Expect(PickRow("Beta"));
    EXPECT_EQ(service->GetSelectedDatasetName(), "Beta");
}

TEST_F(SelectDialogsTest, RouteTableDataFolderOpensAtTheCurrentOneAndHandsBackPathAndRetrieveOnOk)
{
    service->RecordCurrentDataSet("Gamma", fileSystem);
    std::string path = "untouched";
    bool retrieve = false;
    driver.Expect([](QDialog& dialog) {
        auto* picker = platform::Control<CDatasetComboBox>(&dialog, kIdcSelectADatasetPicker);
        auto* box = platform::Control<QCheckBox>(&dialog, kIdcSelectADatasetRetrieve);
        EXPECT_EQ(picker->GetLBText(picker->GetCurSel()), "Gamma");
        EXPECT_TRUE(box->isChecked());
        return ModalDriver::Reject()(dialog);
    });
    service->SelectADataset(path, retrieve);
    EXPECT_EQ(driver.Titles().back(), "Select DataFolder");
    EXPECT_EQ(path, "untouched");
    EXPECT_FALSE(retrieve);

    // OK with nothing chosen says so and stays open; then Beta, unticked.
    prompter.ExpectMessage("Please select a DataFolder", BoxAnswer::Ok,
                           {platform::BoxKind::Application, std::nullopt, std::nullopt, std::nullopt});
    driver.Expect([](QDialog& dialog) {
        auto* picker = platform::Control<CDatasetComboBox>(&dialog, kIdcSelectADatasetPicker);
        picker->SetCurSel(-1);
        ModalDriver::Click(dialog, kIdcSelectADatasetOk);
        EXPECT_TRUE(dialog.isVisible());
        picker->SetCurSel(picker->FindDataSet("Beta"));
        platform::Control<QCheckBox>(&dialog, kIdcSelectADatasetRetrieve)->setChecked(false);
        ModalDriver::Click(dialog, kIdcSelectADatasetOk);
        return dialog.result();
    });
    retrieve = true;
    service->SelectADataset(path, retrieve);
    EXPECT_EQ(path, PathOf("Beta") + "/");
    EXPECT_FALSE(retrieve);
}

TEST_F(SelectDialogsTest, PickerVariantRestoresTheGivenItemOnCancelAndSelectsTheChoiceOnOk)
{
    CDatasetComboBox picker;
    picker.InitDataset(nullptr, network, false, false);
    ASSERT_GE(picker.GetCount(), 4);

    picker.SetCurSel(1);
    driver.Expect(ModalDriver::Reject());
    EXPECT_FALSE(service->SelectCurrentDataset(&picker, 3, network));
    EXPECT_EQ(picker.GetCurSel(), 3);

    picker.SetCurSel(1);
    driver.Expect(ModalDriver::Reject());
    EXPECT_FALSE(service->SelectCurrentDataset(&picker, -1, network));
    EXPECT_EQ(picker.GetCurSel(), 1);

    driver.Expect(PickRow("Gamma"));
    EXPECT_TRUE(service->SelectCurrentDataset(&picker, 1, network));
    EXPECT_EQ(picker.GetLBText(picker.GetCurSel()), "Gamma");
}

TEST_F(SelectDialogsTest, AcceptedChoiceBecomesCurrentAndCancelChangesNothing)
{
    service->ShowDataSets(network);
    const std::string before = Record("CurrentPath");

    driver.Expect(ModalDriver::Reject());
    EXPECT_FALSE(service->SelectCurrentDataset(network));
    EXPECT_EQ(Record("CurrentPath"), before);

    driver.Expect(PickRow("Beta"));
    EXPECT_TRUE(service->SelectCurrentDataset(network));
    EXPECT_EQ(Record("Current"), "Beta");
    EXPECT_EQ(fileSystem->GetDataSet()->GetCurrentDataSet(), PathOf("Beta") + "/");
    EXPECT_EQ(bar.GetLBText(bar.GetCurSel()), "Beta");
}

TEST_F(SelectDialogsTest, BrowsedExportFolderIsRememberedByTheNextDialog)
{
    const std::string chosen = temp / "chosen";
    const std::string before = CDovrelDataSetSaveAs::RememberedFolder();
    prompter.ExpectFolder(chosen).ExpectFolder(chosen);
    for (int i = 0; i < 2; ++i) {
        CDovrelDataSetSaveAs dialog(fileSystem);
        dialog.show();
        ASSERT_TRUE(ModalDriver::Click(dialog, kIdcDataSetSaveAsBrowse));
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcDataSetSaveAsFolder), chosen);
    }
    ASSERT_EQ(prompter.log.size(), 2u);
    // A folder browser's log entry holds its title and the folder it starts in.
    EXPECT_EQ(prompter.log[0].caption, "Select Folder.");
    EXPECT_EQ(prompter.log[1].caption, "Select Folder.");
    EXPECT_EQ(prompter.log[0].text, before);
    EXPECT_EQ(prompter.log[1].text, chosen);
}

TEST_F(SelectDialogsTest, ExportChecksItsInputsAndCopiesTheDataFolderIntoAFolderOfItsName)
{
    ASSERT_TRUE(temp.WriteFile("project/DataFolders/Alpha/LiveConfig/r1.config", "hostname r1\r\n"));
    ASSERT_TRUE(temp.MakeDir("out"));

    prompter.ExpectMessage("Please enter or select a DataFolder path.", BoxAnswer::Ok, twtest::kNoticeBox)
        .ExpectMessage("The path does not exist.", BoxAnswer::Ok, twtest::kNoticeBox);
    driver.Expect([this](QDialog& dialog) {
        EXPECT_EQ(ModalDriver::Text(dialog, kIdcDataSetSaveAsName), "Alpha");
        ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, "  ");
        ModalDriver::Click(dialog, kIdcDataSetSaveAsOk);
        ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, temp / "missing");
        ModalDriver::Click(dialog, kIdcDataSetSaveAsOk);
        EXPECT_TRUE(dialog.isVisible());
        ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, temp / "out/");
        ModalDriver::Click(dialog, kIdcDataSetSaveAsOk);
        EXPECT_EQ(static_cast<CDovrelDataSetSaveAs&>(dialog).GetExportPath(), temp / "out/Alpha");
        return dialog.result();
    });
    EXPECT_TRUE(ExportDataFolder(PathOf("Alpha") + "/", nullptr));
    EXPECT_EQ(temp.ReadFile("out/Alpha/LiveConfig/r1.config"), "hostname r1\r\n");

    // A name given as a path keeps its last component.
    CDovrelDataSetSaveAs dialog(fileSystem);
    dialog.SetDataSetName(temp / "outside/Lab");
    ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, temp / "out");
    ModalDriver::Click(dialog, kIdcDataSetSaveAsOk);
    EXPECT_EQ(dialog.GetExportPath(), temp / "out/Lab");
}

TEST_F(SelectDialogsTest, ACancelledExportLeavesNoExportFolderBehind)
{
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(temp.WriteFile("project/DataFolders/Alpha/LiveConfig/r" + std::to_string(i) + ".config", "r"));
    ASSERT_TRUE(temp.MakeDir("out"));
    driver.Expect([this](QDialog& dialog) {
        ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, temp / "out");
        ModalDriver::Click(dialog, kIdcDataSetSaveAsOk);
        return dialog.result();
    });
    prompter.ExpectMessage("The copy was cancelled; \"" + temp / "out/Alpha" + "\" is as it was before.",
                           BoxAnswer::Ok,
                           {platform::BoxKind::Application, std::nullopt, platform::BoxIcon::Information, std::nullopt});
    twtest::CancelAtStep cancel("Export DataFolder...", 20);
    EXPECT_FALSE(ExportDataFolder(PathOf("Alpha"), nullptr));
    EXPECT_TRUE(cancel.Clicked());
    EXPECT_FALSE(temp.Exists("out/Alpha"));
    EXPECT_EQ(twtest::TreeSnapshot(PathOf("Alpha")).size(), 41u);
}

TEST_F(SelectDialogsTest, ExportToATargetThatCannotBeCreatedIsReportedAndTouchesNothing)
{
    ASSERT_TRUE(temp.WriteFile("project/DataFolders/Alpha/note.txt", "keep"));
    ASSERT_TRUE(temp.WriteFile("blocker", "a file, not a folder"));

    const std::string target = temp / "blocker/Alpha";
    prompter.ExpectMessage("The export folder \"" + target + "\" cannot be created: " +
                               std::make_error_code(std::errc::not_a_directory).message() + ".",
                           BoxAnswer::Ok, twtest::kAppOkBox);
    driver.Expect([this](QDialog& dialog) {
        ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, temp / "blocker");
        ModalDriver::Click(dialog, kIdcDataSetSaveAsOk);
        return dialog.result();
    });
    EXPECT_FALSE(ExportDataFolder(PathOf("Alpha"), nullptr));
    EXPECT_EQ(temp.ReadFile("blocker"), "a file, not a folder");
    EXPECT_EQ(temp.ReadFile("project/DataFolders/Alpha/note.txt"), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PathOf("Alpha")),
                            std::filesystem::directory_iterator()),
              1);

    // Into itself is refused before a folder is made inside the DataFolder.
    prompter.ExpectMessage("The DataFolder cannot be exported into itself.", BoxAnswer::Ok, twtest::kAppOkBox);
    driver.Expect([this](QDialog& dialog) {
        ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, PathOf("Alpha"));
        ModalDriver::Click(dialog, kIdcDataSetSaveAsOk);
        return dialog.result();
    });
    EXPECT_FALSE(ExportDataFolder(PathOf("Alpha"), nullptr));
    EXPECT_FALSE(temp.Exists("project/DataFolders/Alpha/Alpha"));
}

} // namespace

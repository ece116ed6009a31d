// The DataFolder service on a real temporary project: every change goes out as
// an event and comes back through the service's own subscriber to the pickers.
#include "platform/qt/CMultiDocTemplate.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/dataset/CXTPDataSetComboBox.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dataset/ModuleEntry.h"
#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "guidataset/resources/DovrelDataSetNewIds.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CConf.h"
#include "host/util/CGlobalSet.h"
#include "host/util/EventDispatcher.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "support/CancelAtStep.h"
#include "support/DataFolderEventRecorder.h"
#include "support/RecordingGuiCenter.h"
#include "support/RecordingLiveAccess.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxKind;
using twtest::ScriptedPrompter;

namespace {

using twtest::RecordingLiveAccess;

const ScriptedPrompter::MessageCheck kAppBox{BoxKind::Application, std::nullopt,
                                             BoxIcon::Exclamation, BoxButtons::Ok};

class DatasetServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TwGuidatasetAttach();
        service = GuiDatasetCenterImpl::Instance();
        service->InitBarComboBox(&bar);
        ASSERT_TRUE(CBaseline::Open(temp / "project", true));
        network = CBaseline::Instance();
        fileSystem = network->GetFileSystem();
        CNetworkBase* given = nullptr;
        service->InitDataset(dialogPicker, nullptr, &given, false, false);
        // Registered after the service, so it hears each event once the service has.
        events = std::make_unique<twtest::DataFolderEventRecorder>();
    }
    void TearDown() override
    {
        events.reset();
        CBaseline::Close();
        service->InitBarComboBox(nullptr);
        GuiDatasetCenter::ResetFactory();
    }

    std::string PathOf(const std::string& name) { return fileSystem->GetDataSetsFolder() + name; }
    std::string Record(const std::string& key)
    {
        return CConf(fileSystem->GetRegistryFile()).GetValue("RECORD_INFO", key);
    }
    void MakeCurrent(const std::string& name)
    {
        bar.SetCurSel(bar.FindDataSet(name.c_str()));
        service->SetCurrentDataset(name.c_str(), network, true);
    }

    twtest::TempDir temp;
    ScriptedPrompter prompter;
    twtest::RecordingGuiCenter gui;
    CXTPDataSetComboBox bar;
    CDatasetComboBox dialogPicker;
    std::unique_ptr<twtest::DataFolderEventRecorder> events;
    GuiDatasetCenterImpl* service = nullptr;
    CNetworkBase* network = nullptr;
    TWFileSystem* fileSystem = nullptr;
};

TEST_F(DatasetServiceTest, OpeningFillsBothPickersWithTheSystemDataFolderCurrent)
{
    ASSERT_GE(bar.FindDataSet("Local default"), 0);
    EXPECT_EQ(bar.GetLBText(bar.GetCurSel()), "Local default");
    EXPECT_EQ(bar.FindStringExact("New...", -1, true), bar.GetCount() - 1);
    EXPECT_EQ(Record("Current"), "Local default");
    std::string name;
    EXPECT_EQ(service->GetDataSetPath(dialogPicker, nullptr, name, "*Baseline Config", network),
              fileSystem->GetDataSetRecent());
    EXPECT_EQ(service->GetCurrentDatasetFullPath(), fileSystem->GetDataSetRecent());
}

TEST_F(DatasetServiceTest, CreateLockAndRecreateTravelThroughEvents)
{
    std::string name = "Alpha";
    ASSERT_TRUE(service->NewDataset(name, false));
    ASSERT_EQ(events->Count(kActionDataFolderAdded), 1);
    EXPECT_EQ(events->events.back().second, PathOf("Alpha"));
    EXPECT_GE(bar.FindDataSet("Alpha"), 0);
    EXPECT_EQ(temp.ReadFile("project/DataFolders/Alpha/TheDataset.Desc"),
              "<DatasetDesc><Creater>" + CGlobalSet::GetCurUser() +
                  "</Creater><IsLocked>False</IsLocked></DatasetDesc>");

    // The dialog picker is told through the service's glue and keeps its selection.
    const std::string selected = dialogPicker.GetLBText(dialogPicker.GetCurSel());
    EXPECT_EQ(service->InsertNewItem(dialogPicker, "Alpha", network, kItemProject), 0);
    EXPECT_EQ(dialogPicker.GetLBText(dialogPicker.GetCurSel()), selected);

    bool cancel = false;
    service->LockDataset(PathOf("Alpha") + "/");
    EXPECT_TRUE(service->IsLocked("Alpha", cancel, false, fileSystem));
    EXPECT_NE(temp.ReadFile("project/DataFolders/Alpha/TheDataset.Desc").find("<IsLocked>True<"),
              std::string::npos);
    service->LockDataset(PathOf("Alpha"));
    EXPECT_FALSE(service->IsLocked("Alpha", cancel, false, fileSystem));
    EXPECT_NE(temp.ReadFile("project/DataFolders/Alpha/TheDataset.Desc").find("<IsLocked>False<"),
              std::string::npos);

    // An existing name is only locked: no second event, no second item.
    const int count = bar.GetCount();
    ASSERT_TRUE(service->NewDataset(name, true));
    EXPECT_EQ(events->Count(kActionDataFolderAdded), 1);
    EXPECT_EQ(bar.GetCount(), count);
    EXPECT_TRUE(service->IsLocked2(PathOf("Alpha"), cancel, false));
}

TEST_F(DatasetServiceTest, NewDialogAsksAgainOnARefusedNameAndCancelEmptiesTheName)
{
    twtest::ModalDriver driver;
    prompter.ExpectMessage("The DataFolder's name can't include any of the following characters\n\t"
                           " \\ / : * ? \" < > |",
                           BoxAnswer::Ok, twtest::kNoticeBox);
    driver.Expect([](QDialog& d) {
        for (const char* entered : {"bad:name", "Gamma"}) {
            twtest::ModalDriver::FillText(d, kIdcDataSetNewName, entered);
            twtest::ModalDriver::Click(d, kIdcDataSetNewOk);
        }
        return d.result();
    });
    std::string name;
    ASSERT_TRUE(service->NewDataset(name, fileSystem, ""));
    EXPECT_EQ(name, "Gamma");
    EXPECT_EQ(driver.Titles().front(), "New DataFolder");
    EXPECT_EQ(events->Count(kActionDataFolderAdded), 1);
    EXPECT_GE(bar.FindDataSet("Gamma"), 0);
    EXPECT_EQ(temp.ReadFile("project/DataFolders/Gamma/TheDataset.Desc"),
              NewDialogCreationDescriptor(CGlobalSet::GetCurUser()));

    driver.Expect(twtest::ModalDriver::Reject());
    EXPECT_FALSE(service->NewDataset(name, fileSystem, ""));
    EXPECT_EQ(name, "");
}

TEST_F(DatasetServiceTest, LinkingAnOutsideFolderOnceShowsItAndTwiceChangesNothing)
{
    ASSERT_TRUE(temp.MakeDir("outside/Lab"));
    const std::string folder = temp / "outside/Lab";
    service->AddExternDataset(network, nullptr, folder.c_str(), "Lab copy", kItemExternal);
    ASSERT_EQ(events->Count(kActionDataFolderAdded), 1);
    const int index = bar.FindDataSet(folder.c_str());
    ASSERT_GE(index, 0);
    EXPECT_EQ(bar.GetLBText(index), "Lab copy");

    const int count = bar.GetCount();
    service->AddExternDataset(network, nullptr, folder.c_str(), "Lab copy", kItemExternal);
    EXPECT_EQ(events->Count(kActionDataFolderAdded), 1);
    EXPECT_EQ(bar.GetCount(), count);

    // A vanished folder makes the service ask for one; cancelling links nothing.
    prompter.ExpectFolder("");
    service->AddExternDataset(network, nullptr, (temp / "gone").c_str(), nullptr, kItemExternal);
    EXPECT_EQ(prompter.log.back().caption, "Select DataFolder Folder.");
    EXPECT_EQ(events->Count(kActionDataFolderAdded), 1);

    // Deleting a linked DataFolder is cancellable too; cancelled, it stays linked.
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(temp.WriteFile("outside/Lab/Config/r" + std::to_string(i) + ".cfg", "hostname r"));
    std::string path = folder;
    {
        twtest::CancelAtStep cancel("Delete the DataFolder", 20);
        prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::Yes, twtest::kQuestionBox)
            .ExpectMessage("The delete was cancelled after 20 of 60 files. \"" + folder +
                               "\" is still there with the other 40 files. The DataFolder keeps its description and lock.",
                           BoxAnswer::Ok, {platform::BoxKind::Application, std::nullopt, platform::BoxIcon::Information, platform::BoxButtons::Ok});
        EXPECT_EQ(service->DoDeleteDataSet(path, fileSystem, nullptr), 0);
        EXPECT_TRUE(cancel.Clicked());
    }
    std::size_t left = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/Config"))
        left += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(left, 40u);
    EXPECT_GE(bar.FindDataSet(folder.c_str()), 0);

    // Deleting it removes its folder and its link.
    prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::Yes,
                           twtest::kQuestionBox);
    EXPECT_EQ(service->DoDeleteDataSet(path, fileSystem, nullptr), 1);
    EXPECT_FALSE(temp.Exists("outside/Lab"));
    EXPECT_LT(bar.FindDataSet(folder.c_str()), 0);
    EXPECT_FALSE(fileSystem->GetDataSet()->IsDataSetExist(folder));
}

TEST_F(DatasetServiceTest, MakingCurrentRecordsAndAnnouncesEveryTime)
{
    std::string name = "Alpha";
    ASSERT_TRUE(service->NewDataset(name, false));
    MakeCurrent("Alpha");
    EXPECT_EQ(Record("Current"), "Alpha");
    EXPECT_EQ(Record("CurrentPath"), PathOf("Alpha") + "/");
    ASSERT_EQ(events->Count(kActionCurrentDataFolder), 1);
    EXPECT_EQ(events->events.back().second, PathOf("Alpha") + "/");
    ASSERT_EQ(gui.paths.size(), 1u);
    EXPECT_EQ(gui.lastKinds, (std::vector<int>{16, 17, 22, 23, 24, 28}));

    MakeCurrent("Alpha");
    EXPECT_EQ(events->Count(kActionCurrentDataFolder), 2);
    EXPECT_EQ(service->GetCurrentDatasetFullPath(), PathOf("Alpha") + "/");

    // "New..." cancelled: back to Alpha, nothing recorded.
    const int alpha = bar.GetCurSel();
    bar.SetCurSel(bar.FindStringExact("New...", -1, true));
    twtest::ModalDriver driver;
    driver.Expect(twtest::ModalDriver::Reject());
    service->SetCurrentDataset("New...", network, true);
    EXPECT_EQ(bar.GetCurSel(), alpha);
    EXPECT_EQ(events->Count(kActionCurrentDataFolder), 2);
}

TEST_F(DatasetServiceTest, DeletionRefusesInOrderThenAsks)
{
    std::string name = "Alpha";
    ASSERT_TRUE(service->NewDataset(name, false));
    std::string system = fileSystem->GetDataSetRecent();
    system.pop_back();

    // The system DataFolder is also current at first: the current refusal comes first.
    prompter.ExpectMessage("The current DataFolder cannot be deleted.", BoxAnswer::Ok, kAppBox);
    EXPECT_EQ(service->DoDeleteDataSet(system, fileSystem, nullptr), 0);

    MakeCurrent("Alpha");
    prompter.ExpectMessage("The system DataFolder cannot be deleted.", BoxAnswer::Ok, kAppBox);
    EXPECT_EQ(service->DoDeleteDataSet(system, fileSystem, nullptr), 0);

    // A subscriber's veto is asked before anything else.
    events->vetoDelete = true;
    std::string alpha = PathOf("Alpha");
    prompter.ExpectMessage("The DataFolder cannot be deleted since it is in use.", BoxAnswer::Ok,
                           kAppBox);
    EXPECT_EQ(service->DoDeleteDataSet(alpha, fileSystem, nullptr), 0);
    events->vetoDelete = false;

    MakeCurrent("Local default");
    prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::No,
                           twtest::kQuestionBox);
    EXPECT_EQ(service->DoDeleteDataSet(alpha, fileSystem, nullptr), 0);
    EXPECT_TRUE(temp.Exists("project/DataFolders/Alpha"));

    prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::Yes,
                           twtest::kQuestionBox);
    EXPECT_EQ(service->DoDeleteDataSet(alpha, fileSystem, nullptr), 1);
    EXPECT_FALSE(temp.Exists("project/DataFolders/Alpha"));
    EXPECT_EQ(events->Count(kActionDataFolderDeleted), 1);
    EXPECT_LT(bar.FindDataSet("Alpha"), 0);
}

TEST_F(DatasetServiceTest, ForgettingTheSelectedDataFolderFallsBackToLocalDefault)
{
    std::string name = "Beta";
    ASSERT_TRUE(service->NewDataset(name, false));
    MakeCurrent("Beta");
    // Removed behind the service's back: deleting it only tells the pickers.
    std::filesystem::remove_all(PathOf("Beta"));
    std::string beta = PathOf("Beta");
    EXPECT_EQ(service->DoDeleteDataSet(beta, fileSystem, nullptr), 1);
    EXPECT_LT(bar.FindDataSet("Beta"), 0);
    EXPECT_EQ(bar.GetLBText(bar.GetCurSel()), "Local default");
    EXPECT_EQ(service->GetLastSelection(), bar.GetCurSel());
    EXPECT_EQ(Record("Current"), "Local default");
}

TEST_F(DatasetServiceTest, WithoutAProjectTheChoiceIsAnnouncedButNoRecordIsWritten)
{
    RecordingLiveAccess live;
    CBaseline::Close();
    const std::string strayRecord = std::filesystem::current_path() / "TWDataSet.ini";
    const bool strayBefore = std::filesystem::exists(strayRecord);

    service->RecordCurrentDataSet("Alpha", nullptr);
    EXPECT_EQ(live.paths, std::vector<std::string>{""});
    ASSERT_EQ(events->Count(kActionCurrentDataFolder), 1);
    EXPECT_EQ(events->events.back().second, "");
    EXPECT_EQ(std::filesystem::exists(strayRecord), strayBefore);

    // The toolbar is emptied even with no registry to fill it from.
    bar.SetToolTipText("Alpha");
    service->ShowDataSets(nullptr);
    EXPECT_EQ(bar.GetToolTipText(), "");
    EXPECT_EQ(bar.GetCount(), 0);
    EXPECT_EQ(service->GetLastSelection(), -1);
}

TEST_F(DatasetServiceTest, BrowserThatCannotBeMadeIsReportedPageByPage)
{
    const auto expectEveryPage = [this] {
        for (const char* page : {"Configuration File", "Route Table", "ARP Table", "MAC Table", "CDP Table",
                                 "Show Command"})
            prompter.ExpectMessage(std::string("The system failed to create ") + page + "of Alpha", BoxAnswer::Ok,
                                   {BoxKind::Application, std::nullopt, std::nullopt, BoxButtons::Ok});
    };
    // No template: the host never asked for one.
    expectEveryPage();
    EXPECT_EQ(service->DisplayView(DatafolderDataDisplayContent("Alpha", "Route Table")), 1);

    // A template without an MDI area makes no frame either.
    std::unique_ptr<CMultiDocTemplate> browser(service->CreateDocTemplate());
    expectEveryPage();
    EXPECT_EQ(service->DisplayView(DatafolderDataDisplayContent("Alpha", "Route Table")), 1);
    EXPECT_EQ(service->GetBrowserFrame(), nullptr);
}

TEST_F(DatasetServiceTest, ClosingTheProjectEmptiesTheToolbar)
{
    ASSERT_GT(bar.GetCount(), 0);
    CBaseline::Close();
    EXPECT_EQ(bar.GetCount(), 0);
    EXPECT_EQ(bar.GetCurSel(), -1);
    EXPECT_EQ(bar.GetToolTipText(), "");
}

TEST_F(DatasetServiceTest, DeletingASymbolicLinkTakesTheLinkOnlyThroughEitherRemoval)
{
    ASSERT_TRUE(temp.WriteFile("outside/keep.txt", "keep"));
    ASSERT_TRUE(temp.WriteFile("elsewhere/keep.txt", "keep"));
    // A project DataFolder that is a link goes through the shell's removal...
    std::filesystem::create_directory_symlink(temp / "outside", PathOf("Sym"));
    // ...a linked one that is a link through the recursive one.
    std::filesystem::create_directory_symlink(temp / "elsewhere", temp / "alias");
    service->AddExternDataset(network, nullptr, (temp / "alias").c_str(), nullptr, kItemExternal);
    ASSERT_TRUE(fileSystem->GetDataSet()->IsDataSetExist(temp / "alias"));

    for (std::string path : {PathOf("Sym") + "/", temp / "alias/"}) {
        prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::Yes,
                               twtest::kQuestionBox);
        EXPECT_EQ(service->DoDeleteDataSet(path, fileSystem, nullptr), 1) << path;
    }
    EXPECT_FALSE(temp.Exists("project/DataFolders/Sym"));
    EXPECT_FALSE(temp.Exists("alias"));
    EXPECT_EQ(temp.ReadFile("outside/keep.txt"), "keep");
    EXPECT_EQ(temp.ReadFile("elsewhere/keep.txt"), "keep");
}

TEST_F(DatasetServiceTest, FoldersHoldingTheProjectAreRefusedBeforeLinkingAndBeforeRemoval)
{
    const std::string parent = temp.Path().substr(0, temp.Path().size() - 1);
    prompter.ExpectMessage("'" + parent + "' cannot be linked as a DataFolder: it holds the project '" + temp /
                               "project'.",
                           BoxAnswer::Ok, kAppBox);
    service->AddExternDataset(network, nullptr, parent.c_str(), nullptr, kItemExternal);
    EXPECT_EQ(events->Count(kActionDataFolderAdded), 0);
    EXPECT_LT(bar.FindDataSet(parent.c_str()), 0);

    // Linked behind the service's back, it is still not removed.
    ASSERT_TRUE(CConf(fileSystem->GetRegistryFile()).SetValue("EXTERNAL_DATASETS", "Path1", parent));
    prompter.ExpectMessage("'" + parent + "' cannot be deleted: it holds the project '" + temp / "project'.",
                           BoxAnswer::Ok, kAppBox);
    std::string path = parent + "/";
    EXPECT_EQ(service->DoDeleteDataSet(path, fileSystem, nullptr), 0);
    EXPECT_TRUE(temp.Exists("project/Workspace.ini"));
}

TEST_F(DatasetServiceTest, ALinkWhoseDiskIsAwayKeepsItsPlaceAndItsRecord)
{
    ASSERT_TRUE(temp.MakeDir("disk/Far"));
    const std::string far = temp / "disk/Far";
    service->AddExternDataset(network, nullptr, far.c_str(), nullptr, kItemExternal);
    MakeCurrent(far);
    std::filesystem::rename(far, temp / "disk/away");

    ASSERT_TRUE(CBaseline::Open(temp / "project"));   // reopened while the disk is away
    network = CBaseline::Instance();
    fileSystem = network->GetFileSystem();   // the old project's went with it
    const int index = bar.FindDataSet(far.c_str());
    ASSERT_GE(index, 0);
    EXPECT_EQ(bar.itemData(index, Qt::ToolTipRole).toString().toStdString(),
              "'" + far + "' is unavailable: its folder cannot be found. "
              "The link stays until the folder is back or you unlink it.");
    EXPECT_EQ(bar.GetLBText(bar.GetCurSel()), "Local default");
    EXPECT_EQ(Record("CurrentPath"), far + "/");

    std::filesystem::rename(temp / "disk/away", far);
    ASSERT_TRUE(CBaseline::Open(temp / "project"));
    EXPECT_EQ(bar.GetCurSel(), bar.FindDataSet(far.c_str()));
    EXPECT_FALSE(bar.itemData(bar.GetCurSel(), Qt::ToolTipRole).isValid());
}

TEST(DatasetServiceModule, AttachReachesTheServiceAndDetachLetsGo)
{
    TwGuidatasetAttach();
    EXPECT_EQ(GuiDatasetCenter::Instance(), GuiDatasetCenterImpl::Instance());
    // Detaching ends the service's subscription for good: run it in a child process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool ok = false;
            {
                twtest::TempDir temp;
                CXTPDataSetComboBox bar;
                GuiDatasetCenterImpl::Instance()->InitBarComboBox(&bar);
                TwGuidatasetDetach();
                const bool holderEmpty = GuiDatasetCenter::Instance() == nullptr;
                CBaseline::Open(temp / "project", true);
                ok = holderEmpty && bar.GetCount() == 0;
                CBaseline::Close();
                GuiDatasetCenterImpl::Instance()->InitBarComboBox(nullptr);
            }
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    GuiDatasetCenter::ResetFactory();
}

} // namespace

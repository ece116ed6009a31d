// The DataFolder panel on a real temporary project, driven through its tree,
// its context menus and its links; the service keeps it in step by events.
#include "guidataset/browser/BrowserTestSupport.h"

#include "guidataset/browser/CDatafolderChildFrame.h"
#include "guidataset/dataset/CDatafolderPanelDlg.h"
#include "guidataset/dataset/CDatafolderTreeAdapter.h"
#include "guidataset/dataset/CDatasetTreeCtrl.h"
#include "guidataset/dataset/CXTPDataSetComboBox.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dataset/ModuleEntry.h"
#include "guidataset/dataset/core/DataFolderName.h"
#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "guidataset/resources/DatafolderPanelIds.h"
#include "guidataset/resources/DovrelDataSetNewIds.h"
#include "guidataset/resources/DovrelDataSetSaveAsIds.h"
#include "host/util/EventDispatcher.h"
#include "host/util/TWDataSet.h"
#include "platform/qt/CMultiDocTemplate.h"
#include "platform/qt/ControlId.h"
#include "support/CancelAtStep.h"
#include "support/DataFolderEventRecorder.h"
#include "support/ModalDriver.h"
#include "support/RecordingGuiCenter.h"
#include "support/RecordingProcessStarter.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>
#include <QTextBrowser>

#include <gmock/gmock.h>

#include <filesystem>
#include <sys/stat.h>

using browsertest::ScriptedMenus;
using platform::BoxAnswer;
using testing::ElementsAre;
using twtest::ScriptedPrompter;

namespace {

namespace fs = std::filesystem;

// A project with "Audit" (current), "Baseline" (locked), the system DataFolder
// and a linked outside folder "Lab", shown in the service's panel.
class DatafolderPanel : public testing::Test {
protected:
    void SetUp() override
    {
        TwGuidatasetAttach();
        service = GuiDatasetCenterImpl::Instance();
        service->InitBarComboBox(&bar);
        project = temp / "campus/";
        ASSERT_TRUE(TWFileSystem::CreateProject(project, "Campus"));
        ASSERT_TRUE(temp.WriteFile("campus/DataFolders/Audit/LiveConfig/core-r1.config", "hostname core-r1\n"));
        ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Baseline"));
        ASSERT_TRUE(temp.MakeDir("lab"));
        SetDatasetLockFlag(project + "DataFolders/Baseline", 1);
        ASSERT_TRUE(CBaseline::Open(project));
        fileSystem = CBaseline::Instance()->GetFileSystem();
        ASSERT_TRUE(TWDataSet::AddExternalDataSet(fileSystem, temp / "lab", "Lab", 3));
        area.resize(900, 600);
        area.show();
        CMultiDocTemplate* browser = service->CreateDocTemplate();
        browser->setParent(&area);
        browser->SetMdiArea(&area);
        service->ShowDataSets(CBaseline::Instance());
        bar.SetCurSel(bar.FindDataSet("Audit"));
        service->SetCurrentDataset("Audit", CBaseline::Instance(), false);
        panel = dynamic_cast<CDatafolderPanelDlg*>(service->CreateDatafolderPanel(nullptr));
        ASSERT_NE(panel, nullptr);
        panel->resize(260, 500);
        panel->show();
        tree = panel->Tree();
    }
    void TearDown() override
    {
        delete service->GetPanel();
        CBaseline::Close();
        service->InitBarComboBox(nullptr);
        GuiDatasetCenter::ResetFactory();
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            texts.push_back(tree->topLevelItem(i)->text(0).toStdString());
        return texts;
    }
    QTreeWidgetItem* Item(const std::string& text) const
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (tree->topLevelItem(i)->text(0).toStdString() == text)
                return tree->topLevelItem(i);
        return nullptr;
    }
    // The label editor open on the tree; null when none is.
    QLineEdit* Editor() const
    {
        for (QLineEdit* editor : tree->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // Right-clicks the item's label; menus answers with the queued command.
    void RightClick(const std::string& text)
    {
        QTreeWidgetItem* item = Item(text);
        ASSERT_NE(item, nullptr) << text;
        panel->ShowContextMenu(tree->visualItemRect(item).center());
    }
    std::string PathOf(const std::string& name) const { return project + "DataFolders/" + name; }
    void Key(int key) { QTest::keyClick(tree, static_cast<Qt::Key>(key)); }
    // Edits the item's label as F2 would and commits text with Return.
    bool EditLabel(const std::string& item, const std::string& text)
    {
        tree->setCurrentItem(Item(item));
        tree->setFocus();
        Key(Qt::Key_F2);
        QLineEdit* editor = Editor();
        if (!editor)
            return false;
        editor->setText(QString::fromStdString(text));
        QTest::keyClick(editor, Qt::Key_Return);   // the delegate commits on its next turn
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }

    twtest::TempDir temp;
    ScriptedPrompter prompter;
    twtest::RecordingGuiCenter gui;
    CXTPDataSetComboBox bar;
    QMdiArea area;
    std::string project;
    TWFileSystem* fileSystem = nullptr;
    GuiDatasetCenterImpl* service = nullptr;
    CDatafolderPanelDlg* panel = nullptr;
    CDatasetTreeCtrl* tree = nullptr;
    ScriptedMenus menus;
};

} // namespace

TEST_F(DatafolderPanel, ListsEveryDataFolderWithItsIconAndTheCurrentOneBold)
{
    EXPECT_THAT(Texts(), testing::UnorderedElementsAre("Audit", "Baseline", "Local default", "Lab"));
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Baseline")), kIconLocked);
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Audit")), kIconUnlocked);
    EXPECT_EQ(CDatasetTreeCtrl::ItemRecord(Item("Lab"))->itemType, kItemExternal);
    for (const std::string& name : Texts())
        EXPECT_EQ(Item(name)->font(0).bold(), name == "Audit") << name;

    // Made current from the panel: the record, the toolbar and the bold item follow.
    menus.Choose(panelcmd::kSetCurrent);
    RightClick("Baseline");
    EXPECT_TRUE(Item("Baseline")->font(0).bold());
    EXPECT_FALSE(Item("Audit")->font(0).bold());
    EXPECT_EQ(fileSystem->GetDataSet()->GetCurrentDataSet(), PathOf("Baseline/"));
    EXPECT_EQ(bar.GetLBText(bar.GetCurSel()), "Baseline");
}

TEST_F(DatafolderPanel, ContextMenusFollowTheKindAndLockOfTheDataFolder)
{
    RightClick("Audit");
    RightClick("Local default");
    RightClick("Baseline");
    RightClick("Lab");
    const std::string head = "Set as Current DataFolder|Export DataFolder|Goto Folder|-|";
    EXPECT_THAT(menus.shown, ElementsAre(head + "Rename|Delete|-|Description|-|Lock",
                                         head + "Delete|-|Description|-|Lock",
                                         head + "-|Description|-|UnLock",
                                         head + "Remove|-|Description|-|Lock"));
    EXPECT_EQ(menus.ids[0], "44,32,43,33,34,37,38");
    // A right-click on no item builds the menu of the selected one; with none selected, none.
    tree->setCurrentItem(nullptr);
    panel->ShowContextMenu(QPoint(5, tree->viewport()->height() - 2));
    EXPECT_EQ(menus.shown.size(), 4u);
}

TEST_F(DatafolderPanel, LockAndUnlockWriteTheDescriptorAndSwapTheIcon)
{
    menus.Choose(panelcmd::kLock).Choose(panelcmd::kUnlock);
    RightClick("Audit");
    RightClick("Baseline");
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Audit")), kIconLocked);
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Baseline")), kIconUnlocked);
    std::string descriptor;
    ASSERT_TRUE(TWDataSet::GetFileContent(PathOf("Audit/TheDataset.Desc"), descriptor));
    EXPECT_NE(descriptor.find("True"), std::string::npos);

    // A descriptor that nobody, root included, can write (a folder holds its
    // name): the DataFolder keeps the lock state its file says, and the user hears why.
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Frozen/TheDataset.Desc"));
    Key(Qt::Key_F5);
    prompter.ExpectMessage("The DataFolder \"Frozen\" is read-only: it cannot be locked.", BoxAnswer::Ok,
                           {platform::BoxKind::Captioned, std::nullopt, platform::BoxIcon::Exclamation, std::nullopt});
    menus.Choose(panelcmd::kLock);
    RightClick("Frozen");
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Frozen")), kIconUnlocked);
    bool cancel = false;
    EXPECT_FALSE(ReadDatasetLockFlag(PathOf("Frozen"), cancel, false));

    // A DataFolder made read-only behind the workstation's back (root writes
    // into read-only folders: nothing to see there).
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(PathOf("Baseline").c_str(), 0555), 0);
        prompter.ExpectMessage("The DataFolder \"Baseline\" is read-only: it cannot be locked.", BoxAnswer::Ok);
        menus.Choose(panelcmd::kLock);
        RightClick("Baseline");
        ::chmod(PathOf("Baseline").c_str(), 0755);
        EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Baseline")), kIconUnlocked);
    }
}

TEST_F(DatafolderPanel, RenameRefusesBadNamesAndRenamesTheFolderEverywhere)
{
    twtest::DataFolderEventRecorder events;
    prompter.ExpectMessage("The new name cannot be empty.", BoxAnswer::Ok)
        .ExpectMessage("The DataFolder name is invalid.", BoxAnswer::Ok, twtest::kNoticeBox)
        .ExpectMessage("The DataFolder name is invalid.", BoxAnswer::Ok)
        .ExpectMessage(ForbiddenCharactersMessage("DataFolder"), BoxAnswer::Ok, twtest::kNoticeBox)
        .ExpectMessage("The DataFolder already exists.", BoxAnswer::Ok);
    for (const char* bad : {"   ", "NEW...", "audit2.", "core:r1", "baseline"})
        ASSERT_TRUE(EditLabel("Audit", bad)) << bad;
    ASSERT_TRUE(EditLabel("Audit", "Audit"));   // unchanged: nothing happens
    EXPECT_TRUE(fs::is_directory(PathOf("Audit")));
    EXPECT_TRUE(events.events.empty());

    // The editor takes no more than 32 characters.
    tree->setCurrentItem(Item("Audit"));
    Key(Qt::Key_F2);
    QLineEdit* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->maxLength(), 32);
    editor->setText(QStringLiteral("  Audit 2026 "));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(fs::exists(PathOf("Audit")));
    EXPECT_TRUE(fs::exists(PathOf("Audit 2026/LiveConfig/core-r1.config")));
    ASSERT_NE(Item("Audit 2026"), nullptr);
    EXPECT_EQ(CDatasetTreeCtrl::ItemRecord(Item("Audit 2026"))->fullName, "Audit 2026");
    EXPECT_NE(bar.FindDataSet("Audit 2026"), -1);
    EXPECT_THAT(events.events, testing::Contains(std::make_pair(int(kActionDataFolderRenamed), PathOf("Audit 2026"))));
    // The renamed DataFolder opens in the browser.
    auto* frame = dynamic_cast<CDatafolderChildFrame*>(service->GetBrowserFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Audit 2026");

    // The system DataFolder's and a locked one's labels can't be edited.
    EXPECT_FALSE(EditLabel("Local default", "Other"));
    EXPECT_FALSE(EditLabel("Baseline", "Other"));
}

TEST_F(DatafolderPanel, DeleteAndRemoveGuardTheCurrentAndSystemDataFolders)
{
    prompter.ExpectMessage("The current DataFolder cannot be deleted.", BoxAnswer::Ok, twtest::kAppOkBox)
        .ExpectMessage("The system DataFolder cannot be deleted.", BoxAnswer::Ok)
        .ExpectMessage("Are you sure you want to remove the DataFolder from the workspace?", BoxAnswer::Yes,
                       twtest::kQuestionBox);
    menus.Choose(panelcmd::kDelete).Choose(panelcmd::kDelete).Choose(panelcmd::kRemove);
    RightClick("Audit");
    RightClick("Local default");
    RightClick("Lab");
    EXPECT_TRUE(fs::is_directory(PathOf("Audit")));
    EXPECT_TRUE(fs::is_directory(temp / "lab"));   // a removed link leaves its folder
    EXPECT_EQ(Item("Lab"), nullptr);
    EXPECT_EQ(bar.FindDataSet((temp / "lab").c_str()), -1);

    // Del deletes the selected DataFolder, after the question; the browser on it closes.
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/Old"));
    Key(Qt::Key_F5);
    ASSERT_NE(Item("Old"), nullptr);
    panel->ShowDataFolder("Old", "");
    ASSERT_NE(service->GetBrowserFrame(), nullptr);
    prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::No)
        .ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::Yes);
    tree->setCurrentItem(Item("Old"));
    Key(Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(PathOf("Old")));
    Key(Qt::Key_Delete);
    EXPECT_FALSE(fs::exists(PathOf("Old")));
    EXPECT_EQ(Item("Old"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(service->GetBrowserFrame(), nullptr);
}

TEST_F(DatafolderPanel, ACancelledDeleteKeepsTheDataFolderListedAndOpen)
{
    for (const char* kind : {"LiveConfig", "ShowCommand"})
        for (int i = 0; i < 100; ++i)
            ASSERT_TRUE(temp.WriteFile("campus/DataFolders/Survey/" + std::string(kind) + "/r" + std::to_string(i) +
                                           ".txt",
                                       "x"));
    SetDatasetLockFlag(PathOf("Survey"), 0);
    const std::string descriptor = temp.ReadFile("campus/DataFolders/Survey/TheDataset.Desc");
    ASSERT_FALSE(descriptor.empty());
    Key(Qt::Key_F5);
    panel->ShowDataFolder("Survey", "");
    ASSERT_NE(service->GetBrowserFrame(), nullptr);

    twtest::CancelAtStep cancel("Delete the DataFolder", 40);
    prompter.ExpectMessage("Are you sure you want to delete the DataFolder?", BoxAnswer::Yes)
        .ExpectMessage("The delete was cancelled after 40 of 201 files. \"" + PathOf("Survey") +
                           "\" is still there with the other 161 files. The DataFolder keeps its description and lock.",
                       BoxAnswer::Ok, {platform::BoxKind::Application, std::nullopt, platform::BoxIcon::Information, std::nullopt});
    menus.Choose(panelcmd::kDelete);
    RightClick("Survey");
    EXPECT_TRUE(cancel.Clicked());

    std::size_t left = 0;
    for (const auto& entry : fs::recursive_directory_iterator(PathOf("Survey")))
        left += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(left, 161u);
    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Survey/TheDataset.Desc"), descriptor);
    // Still a DataFolder: listed, and open in the browser.
    ASSERT_NE(Item("Survey"), nullptr);
    EXPECT_TRUE(Item("Audit")->font(0).bold());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(service->GetBrowserFrame(), nullptr);
    EXPECT_EQ(service->GetBrowserFrame()->windowTitle().toStdString(), "Survey");
}

TEST_F(DatafolderPanel, AFolderGoneBehindTheWorkstationsBackLeavesTheList)
{
    ASSERT_TRUE(fs::remove_all(PathOf("Baseline")) > 0);
    prompter.ExpectMessage("The DataFolder \"Baseline\" no longer exists at \"" + PathOf("Baseline") +
                               "\"; it is taken off the list.",
                           BoxAnswer::Ok);
    menus.Choose(panelcmd::kDescription);
    RightClick("Baseline");
    EXPECT_EQ(Item("Baseline"), nullptr);
    EXPECT_EQ(bar.FindDataSet("Baseline"), -1);

    // Refresh finds what appeared meanwhile; a click on a vanished one drops it without a word.
    ASSERT_TRUE(temp.MakeDir("campus/DataFolders/New survey"));
    Key(Qt::Key_F5);
    ASSERT_NE(Item("New survey"), nullptr);
    ASSERT_TRUE(fs::remove_all(PathOf("New survey")) > 0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(Item("New survey")).center());
    EXPECT_EQ(Item("New survey"), nullptr);
    EXPECT_EQ(service->GetBrowserFrame(), nullptr);
}

TEST_F(DatafolderPanel, ClickingOpensTheBrowserAndTellsTheHost)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(Item("Baseline")).center());
    auto* frame = dynamic_cast<CDatafolderChildFrame*>(service->GetBrowserFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Baseline");
    EXPECT_EQ(panel->Selection()->dataFolderPath, PathOf("Baseline/"));
    EXPECT_EQ(panel->Selection()->network, CBaseline::Instance());
    ASSERT_FALSE(gui.paths.empty());
    EXPECT_EQ(gui.paths.back(), PathOf("Baseline/"));
    EXPECT_THAT(gui.lastKinds, ElementsAre(16, 17, 22, 23, 24, 28));
    // Opening another replaces the shown DataFolder in the same window.
    service->ShowDataFolderChart("Audit", "Audit (now)");
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Audit (now)");
}

TEST_F(DatafolderPanel, GotoFolderOpensTheFileManagerOrSaysWhy)
{
    twtest::RecordingProcessStarter starter;
    menus.Choose(panelcmd::kGotoFolder).Choose(panelcmd::kGotoFolder);
    RightClick("Audit");
    EXPECT_THAT(starter.commandLines, ElementsAre("\"xdg-open\" \"" + PathOf("Audit") + "\""));
    starter.answer = false;
    prompter.ExpectMessage("Open Folder \"" + PathOf("Audit") + "\" Error", BoxAnswer::Ok);
    RightClick("Audit");
}

TEST_F(DatafolderPanel, LinksExportIntoANewFolderAndOpenTheHelp)
{
    ASSERT_TRUE(temp.MakeDir("out"));
    twtest::ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        EXPECT_TRUE(twtest::ModalDriver::FillText(dialog, kIdcDataSetSaveAsFolder, temp / "out"));
        return twtest::ModalDriver::ClickStep(kIdcDataSetSaveAsOk)(dialog);
    });
    tree->setCurrentItem(Item("Audit"));
    auto* exportLink = platform::Control<QLabel>(panel, kIdcPanelExportLink);
    ASSERT_NE(exportLink, nullptr);
    emit exportLink->linkActivated(QStringLiteral("#"));
    EXPECT_TRUE(fs::exists(temp / "out/Audit/LiveConfig/core-r1.config"));

    emit platform::Control<QLabel>(panel, kIdcPanelHelpLink)->linkActivated(QStringLiteral("#"));
    QTextBrowser* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "dataFolderHelp")
            help = window->findChild<QTextBrowser*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->toPlainText().contains("session logs"));
}

TEST_F(DatafolderPanel, ServiceChangesReachThePanel)
{
    twtest::ModalDriver driver;
    driver.Expect([](QDialog& dialog) {
        EXPECT_TRUE(twtest::ModalDriver::FillText(dialog, kIdcDataSetNewName, "Survey"));
        return twtest::ModalDriver::ClickStep(kIdcDataSetNewOk)(dialog);
    });
    emit platform::Control<QLabel>(panel, kIdcPanelNewLink)->linkActivated(QStringLiteral("#"));
    EXPECT_TRUE(fs::is_directory(PathOf("Survey")));
    ASSERT_NE(Item("Survey"), nullptr);
    EXPECT_EQ(CDatasetTreeCtrl::ItemRecord(Item("Survey"))->itemType, kItemProject);

    service->LockDataset(PathOf("Audit/"));
    EXPECT_EQ(CDatafolderTreeAdapter::ItemIcon(Item("Audit")), kIconLocked);
    ASSERT_TRUE(temp.MakeDir("other"));
    service->AddExternDataset(CBaseline::Instance(), nullptr, (temp / "other").c_str(), "Other", 3);
    ASSERT_NE(Item("Other"), nullptr);
    EXPECT_EQ(CDatasetTreeCtrl::ItemRecord(Item("Other"))->itemType, kItemExternal);

    // Closing the project empties the panel; opening it again fills it.
    const std::string folder = project;
    CBaseline::Close();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    ASSERT_TRUE(CBaseline::Open(folder));
    EXPECT_NE(Item("Audit"), nullptr);
}

// The browser window on a real project, driven as a user drives it: the
// service opens it in an MDI area, tabs come and go, the filter, the buttons,
// the menus, files dropped in and dragged out.
#include "BrowserTestSupport.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/CDataFolderDropTarget.h"
#include "guidataset/browser/CDatafolderChildFrame.h"
#include "guidataset/browser/CDatafolderFileList.h"
#include "guidataset/browser/CDatafolderListModel.h"
#include "guidataset/browser/CDatafolderTabView.h"
#include "platform/qt/CMultiDocTemplate.h"
#include "guidataset/browser/CTWDatafolderTabControl.h"
#include "guidataset/browser/CTWDatafolderView.h"
#include "guidataset/browser/core/DroppedFiles.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "guidataset/resources/CompareShowCommandDlgIds.h"
#include "guidataset/resources/DatafolderBrowserIds.h"
#include "host/util/CFileName.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/Profile.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QUrl>

#include <gmock/gmock.h>

#include <filesystem>

using browsertest::PageTest;
using browsertest::RecordingHost;
using browsertest::ScriptedMenus;
using platform::BoxAnswer;
using testing::ElementsAre;
using testing::UnorderedElementsAre;
using twtest::ScriptedPrompter;

namespace {

class BrowserWindow : public PageTest {
protected:
    BrowserWindow()
    {
        Put("LiveConfig/core-r1.config", "hostname core-r1\n");
        Put("LiveConfig/dist-sw1.config", "hostname dist-sw1\n");
        Put("LiveConfig/edge-r2.config", "hostname edge-r2\n");
        Put("LiveRouteTable/core-r1.ort");
        Put("LiveArpTable/core-r1.oat");
        area.resize(1000, 700);
        area.show();
        service = GuiDatasetCenterImpl::Instance();
        CMultiDocTemplate* browser = service->CreateDocTemplate();
        browser->setParent(&area);
        browser->SetMdiArea(&area);
    }

    void Open()
    {
        DatafolderDataDisplayContent content;
        service->PrepareBrowserContent(content, "Audit", dataFolder);
        EXPECT_EQ(service->DisplayView(content), 1);
    }
    CDatafolderChildFrame* Frame() const { return dynamic_cast<CDatafolderChildFrame*>(service->GetBrowserFrame()); }
    CTWDatafolderTabControl* Tabs() const { return Frame()->TabView()->TabControl(); }
    CTWDatafolderView* Form(int tab) const { return Frame()->TabView()->Form(tab); }
    std::vector<std::string> TabTexts() const
    {
        std::vector<std::string> texts;
        for (int tab = 0; tab < Tabs()->count(); ++tab)
            texts.push_back(Tabs()->tabText(tab).toStdString());
        return texts;
    }
    static std::vector<std::string> Hosts(const CTWDatafolderView& form)
    {
        std::vector<std::string> hosts;
        for (int row = 0; row < form.Model()->GetItemCount(); ++row)
            hosts.push_back(form.Model()->GetItemText(row, 0));
        return hosts;
    }
    // Drags data onto the list and drops it, as the window system delivers a drop.
    static void DropOn(CTWDatafolderView& form, const QMimeData& data)
    {
        QWidget* viewport = form.List()->viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drop);
    }
    template <class T>
    static T* Control(QWidget* form, int id)
    {
        return platform::Control<T>(form, id);
    }

    QMdiArea area;
    GuiDatasetCenterImpl* service = nullptr;
};

} // namespace

TEST_F(BrowserWindow, OpensOnceWithSixTabsAndOpeningAgainReplacesThem)
{
    Open();
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "Audit");
    EXPECT_EQ(platform::ControlId(Tabs()), ids::kIdcDatafolderTabs);
    EXPECT_THAT(TabTexts(), ElementsAre("Configuration File", "Route Table", "ARP Table", "MAC Table", "CDP Table",
                                        "Show Command"));
    EXPECT_THAT(Hosts(*Form(0)), UnorderedElementsAre("core-r1", "dist-sw1", "edge-r2"));
    EXPECT_THAT(Hosts(*Form(1)), ElementsAre("core-r1"));
    EXPECT_EQ(Form(1)->Model()->GetItemText(0, 1), "default-live");
    EXPECT_EQ(Control<QLabel>(Form(0), ids::kIdcDatafolderStatus)->text().toStdString(),
              "There are 3 Configuration Files  ");
    EXPECT_EQ(Control<QLabel>(Form(4), ids::kIdcDatafolderStatus)->text().toStdString(), "There is 0 CDP Table  ");
    EXPECT_EQ(Control<QLabel>(Form(5), ids::kIdcDatafolderStatus)->text().toStdString(),
              "There is 0 Show Command  ");
    // The first row is selected, so View and Compare act at once.
    EXPECT_EQ(Form(0)->Model()->GetSelectedRows(), std::vector<int>{0});
    EXPECT_TRUE(Control<QPushButton>(Form(0), ids::kIdcDatafolderCompare)->isEnabled());

    Put("LiveConfig/fw-1.config");
    Open();
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(Tabs()->count(), 6);
    EXPECT_EQ(Hosts(*Form(0)).size(), 4u);
}

TEST_F(BrowserWindow, TheSavedTabIndexChoosesTheTabShownFirst)
{
    ASSERT_TRUE(platform::WriteProfileInt("DatafolderView", "LastIndex", 3));
    Open();
    EXPECT_EQ(Tabs()->tabText(Tabs()->currentIndex()).toStdString(), "MAC Table");
    Frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(service->GetBrowserFrame(), nullptr);

    ASSERT_TRUE(platform::WriteProfileInt("DatafolderView", "LastIndex", 9));
    Open();
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(Tabs()->currentIndex(), 0);

    // A click on a tab refreshes its list and is remembered.
    Put("LiveArpTable/dist-sw1.oat");
    QTabBar* bar = Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(Tabs()->currentIndex(), 2);
    EXPECT_EQ(platform::GetProfileInt("DatafolderView", "LastIndex", -1), 2);
    EXPECT_EQ(Hosts(*Form(2)).size(), 2u);
}

TEST_F(BrowserWindow, TheFilterAppliesOnEnterAndIsOneForAllTabs)
{
    Open();
    CTWDatafolderView* form = Form(0);
    QAbstractItemModelTester tester(form->Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto* filter = Control<QLineEdit>(form, ids::kIdcDatafolderFilter);
    ASSERT_NE(filter, nullptr);
    const QColor empty = filter->palette().color(QPalette::Base);

    QTest::keyClicks(filter, "r1");
    EXPECT_EQ(Hosts(*form).size(), 3u);   // typing only recolours the edit
    EXPECT_NE(filter->palette().color(QPalette::Base), empty);
    EXPECT_EQ(filter->palette().color(QPalette::Base), QColor(0xff, 0xa0, 0xff));
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_THAT(Hosts(*form), ElementsAre("core-r1"));
    EXPECT_EQ(platform::GetProfileString("DatafolderView", "TextFilter"), "r1");
    EXPECT_EQ(Control<QLabel>(form, ids::kIdcDatafolderStatus)->text().toStdString(),
              "There is 1 Configuration File  ");

    // Another tab's next fill uses the same filter.
    Put("LiveRouteTable/dist-sw1.ort");
    QTabBar* bar = Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_THAT(Hosts(*Form(1)), ElementsAre("core-r1"));

    // Leaving the edit applies what it holds, as Enter does.
    filter->setText("sw");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(filter, &leave);
    EXPECT_THAT(Hosts(*form), ElementsAre("dist-sw1"));
    EXPECT_EQ(platform::GetProfileString("DatafolderView", "TextFilter"), "sw");

    filter->clear();
    QTest::keyClick(filter, Qt::Key_Escape);
    EXPECT_EQ(Hosts(*form).size(), 3u);
    EXPECT_EQ(platform::GetProfileString("DatafolderView", "TextFilter", "unset"), "");
    EXPECT_EQ(filter->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(BrowserWindow, ButtonsFollowTheSelectionAndDeleteKnowsTheLock)
{
    Open();
    CTWDatafolderView* form = Form(0);
    QAbstractItemModelTester tester(form->Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    CDatafolderFileList* list = form->List();
    auto* compare = Control<QPushButton>(form, ids::kIdcDatafolderCompare);
    auto* remove = Control<QPushButton>(form, ids::kIdcDatafolderDelete);
    list->selectAll();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualRect(form->Model()->index(2, 0)).center());
    ASSERT_EQ(form->Model()->GetSelectedCount(), 2);
    EXPECT_FALSE(compare->isEnabled());
    EXPECT_FALSE(remove->isEnabled());

    // The context menu still offers Delete for the two rows.
    ScriptedMenus menus;
    form->OnListContextMenu(QPoint(5, 5));
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_THAT(menus.shown[0], testing::HasSubstr("|Delete"));
    EXPECT_THAT(menus.shown[0], testing::Not(testing::HasSubstr("Delete(off)")));

    ScriptedPrompter prompter;
    SetDatasetLockFlag(dataFolder, 1);
    prompter.ExpectMessage("You cannot delete an item in the DataFolder since it is locked.", BoxAnswer::Ok,
                           twtest::kNoticeBox);
    form->OnDelete();
    EXPECT_TRUE(Exists("LiveConfig/core-r1.config"));
    form->OnListContextMenu(QPoint(5, 5));
    EXPECT_THAT(menus.shown[1], testing::HasSubstr("|Delete(off)"));

    SetDatasetLockFlag(dataFolder, 0);
    const std::vector<int> selected = form->Model()->GetSelectedRows();
    const std::string first = form->Model()->GetItemKey(selected[0]);
    const std::string second = form->Model()->GetItemKey(selected[1]);
    prompter.ExpectMessage("Are you sure you want to delete the file(s)?", BoxAnswer::Ok);
    form->OnDelete();
    EXPECT_FALSE(Exists("LiveConfig/" + first));
    EXPECT_FALSE(Exists("LiveConfig/" + second));
    EXPECT_EQ(form->Model()->GetItemCount(), 1);
    EXPECT_EQ(Control<QLabel>(form, ids::kIdcDatafolderStatus)->text().toStdString(),
              "There is 1 Configuration File  ");
}

TEST_F(BrowserWindow, CommandsActOnTheTabTheUserIsOn)
{
    // Every tab is filled at opening; the last fill must not decide where the first tab's commands go.
    RecordingHost host;
    Open();
    ASSERT_EQ(Tabs()->currentIndex(), 0);
    CTWDatafolderView* form = Form(0);
    form->OnCompare();
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(host.calls[0].message, 1089u);
    EXPECT_EQ(host.calls[0].path, dataFolder + "LiveConfig/" + form->Model()->GetItemKey(0));
}

TEST_F(BrowserWindow, CloseOnTheLastTabClosesTheWindow)
{
    Open();
    ScriptedMenus menus;
    CDatafolderTabView* view = Frame()->TabView();
    for (int left = 6; left > 1; --left) {
        menus.Choose(browsercmd::kCloseTab);
        view->OnTabMenu(0, QPoint(1, 1));
    }
    EXPECT_THAT(TabTexts(), ElementsAre("Show Command"));
    EXPECT_EQ(menus.shown[0], "Close|Close All|-");
    menus.Choose(browsercmd::kCloseTab);
    view->OnTabMenu(0, QPoint(1, 1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(service->GetBrowserFrame(), nullptr);
    EXPECT_TRUE(area.subWindowList().isEmpty());

    // The next request makes a new window.
    Open();
    ASSERT_NE(Frame(), nullptr);
    menus.Choose(browsercmd::kCloseAllTabs);
    Frame()->TabView()->OnTabMenu(2, QPoint(1, 1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(service->GetBrowserFrame(), nullptr);
}

TEST_F(BrowserWindow, DroppedFilesGoIntoTheTabsKindFolderAndNothingIsLost)
{
    ASSERT_TRUE(temp.WriteFile("outside/new-r9.config", "hostname new-r9\n"));
    ASSERT_TRUE(temp.WriteFile("outside/core-r1.config", "replacement"));
    ASSERT_TRUE(temp.WriteFile("outside/notes.txt", "x"));
    ASSERT_TRUE(temp.MakeDir("outside/folder.config"));
    Open();
    CTWDatafolderView* form = Form(0);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(temp / "outside/new-r9.config")),
                  QUrl::fromLocalFile(QString::fromStdString(temp / "outside/core-r1.config")),
                  QUrl::fromLocalFile(QString::fromStdString(temp / "outside/notes.txt")),
                  QUrl::fromLocalFile(QString::fromStdString(temp / "outside/folder.config"))});
    ScriptedPrompter prompter;
    prompter.ExpectMessage("These files were not copied into '" + dataFolder + "LiveConfig/':\n'notes.txt' is not a "
                               "configuration file (.config).\n'" + temp / "outside/folder.config" +
                               "' is a folder: drop the files inside it.",
                           BoxAnswer::Ok);
    prompter.ExpectMessage("This file is already in '" + dataFolder + "LiveConfig/':\ncore-r1.config\nDo you want to "
                               "replace it?\nYes replaces, No copies only the other files, Cancel copies nothing.",
                           BoxAnswer::No);
    DropOn(*form, data);

    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Audit/LiveConfig/new-r9.config"), "hostname new-r9\n");
    EXPECT_EQ(temp.ReadFile("campus/DataFolders/Audit/LiveConfig/core-r1.config"), "hostname core-r1\n");
    EXPECT_TRUE(temp.Exists("outside/new-r9.config"));   // copied, not moved
    EXPECT_THAT(Hosts(*form), UnorderedElementsAre("core-r1", "dist-sw1", "edge-r2", "new-r9"));

    // A locked DataFolder asks first; No copies nothing.
    SetDatasetLockFlag(dataFolder, 1);
    ASSERT_TRUE(temp.WriteFile("outside/late.config", "x"));
    QMimeData late;
    late.setUrls({QUrl::fromLocalFile(QString::fromStdString(temp / "outside/late.config"))});
    prompter.ExpectMessage("'Audit' is the read-only DataFolder. \nYou can use another DataFolder to save your data, "
                           "\notherwise the data in 'Audit' will be overwritten.\nAre you sure to continue?",
                           BoxAnswer::No);
    DropOn(*form, late);
    EXPECT_FALSE(Exists("LiveConfig/late.config"));
    SetDatasetLockFlag(dataFolder, 0);
}

TEST_F(BrowserWindow, DraggedRowsCarryTheirFilesAsUrlsAndAsAPathBlock)
{
    Open();
    CTWDatafolderView* form = Form(0);
    form->List()->selectAll();
    std::unique_ptr<QMimeData> data(form->List()->MakeDragData());
    ASSERT_NE(data, nullptr);
    std::vector<std::string> fromUrls;
    for (const QUrl& url : data->urls())
        fromUrls.push_back(url.toLocalFile().toStdString());
    EXPECT_THAT(fromUrls, UnorderedElementsAre(dataFolder + "LiveConfig/core-r1.config",
                                               dataFolder + "LiveConfig/dist-sw1.config",
                                               dataFolder + "LiveConfig/edge-r2.config"));
    const QByteArray block = data->data(CDatafolderFileList::kPathBlockMime);
    EXPECT_EQ(block.size() % 260, 1);
    EXPECT_EQ(ParseDragBlock(std::string(block.constData(), static_cast<std::size_t>(block.size()))), fromUrls);

    // Dropping the rows back on their own tab copies nothing and asks nothing.
    DropOn(*form, *data);
    EXPECT_EQ(form->Model()->GetItemCount(), 3);
}

TEST_F(BrowserWindow, TheShowCommandTabListsResultsAndItsCompareButtonOpensTheCompareDialog)
{
    const std::string older = CFileName::ToShowCommandResultFileName("core-r1", "show ip route", "2024-05-01 10-00-00.000", "txt");
    const std::string newer = CFileName::ToShowCommandResultFileName("core-r1", "show ip route", "2024-05-02 10-00-00.000", "txt");
    Put("ShowCommand/" + older, "route A\r\n");
    Put("ShowCommand/" + newer, "route B\r\n");
    Open();
    CTWDatafolderView* form = Form(5);
    QAbstractItemModelTester tester(form->Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(form->Model()->headerData(1, Qt::Horizontal).toString().toStdString(), "Show Command");
    EXPECT_THAT(Hosts(*form), ElementsAre("core-r1", "core-r1"));
    EXPECT_EQ(Control<QLabel>(form, ids::kIdcDatafolderStatus)->text().toStdString(), "There are 2 Show Commands  ");

    // Row 0 is selected on opening; Compare offers its two executions.
    twtest::ModalDriver driver;
    std::vector<std::string> executions;
    driver.Expect([&](QDialog& dialog) {
        auto* list = platform::Control<QComboBox>(&dialog, kIdcCompareShowCommandSecondExecution);
        for (int i = 0; list && i < list->count(); ++i)
            executions.push_back(list->itemText(i).toStdString());
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(Control<QPushButton>(form, ids::kIdcDatafolderCompare)->isEnabled());
    QTest::mouseClick(Control<QPushButton>(form, ids::kIdcDatafolderCompare), Qt::LeftButton);
    EXPECT_THAT(driver.Titles(), ElementsAre("Compare show command"));
    EXPECT_THAT(executions, UnorderedElementsAre("2024-05-01 10-00-00.000", "2024-05-02 10-00-00.000"));
}

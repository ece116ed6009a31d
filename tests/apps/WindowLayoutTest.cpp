// A restart looks as the user left it: the window's size, the DataFolder
// panel's side and width, the browsers that were open and their filter, all
// through the per-user profile. Ctrl+F reaches a browser's filter.
#include "CampusWorkstation.h"
#include "apps/workstation/CDataFolderDock.h"
#include "apps/workstation/MainWindow.h"
#include "support/ScopedProfile.h"

#include "guidataset/resources/DatafolderBrowserIds.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <string>

namespace {

constexpr int kTabControl = ids::kIdcDatafolderTabs;
constexpr int kListControl = ids::kIdcDatafolderList;
constexpr int kFilterControl = ids::kIdcDatafolderFilter;

class WindowLayout : public twtest::CampusWorkstation {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.WriteFile("campus/DataFolders/Local default/LiveConfig/core-r1.config", "hostname core-r1\n"));
        ASSERT_TRUE(tmp.WriteFile("campus/DataFolders/Local default/LiveConfig/dist-sw1.config", "hostname dist-sw1\n"));
    }

    // A start of the workstation as main() does it.
    std::unique_ptr<workstation::MainWindow> Start()
    {
        auto window = std::make_unique<workstation::MainWindow>(&module);
        window->RestoreLayout();
        window->show();
        EXPECT_TRUE(window->OpenProject(project));
        window->ReopenBrowsers();
        return window;
    }

    static QMdiSubWindow* OnlyBrowser(workstation::MainWindow& window)
    {
        const auto frames = window.MdiArea()->subWindowList();
        return frames.size() == 1 ? frames.front() : nullptr;
    }

    static QTabWidget* Tabs(QMdiSubWindow* browser) { return platform::Control<QTabWidget>(browser, kTabControl); }

    twtest::ScopedProfile m_profile{tmp.Path() + "profile.ini"};
};

} // namespace

TEST_F(WindowLayout, RestartKeepsTheWindowThePanelAndTheBrowserWithItsFilter)
{
    {
        auto window = Start();
        window->resize(1000, 650);
        window->addDockWidget(Qt::RightDockWidgetArea, window->DataFolderDock());
        window->resizeDocks({window->DataFolderDock()}, {333}, Qt::Horizontal);
        ASSERT_TRUE(window->OpenBrowserOn("Local default"));
        QMdiSubWindow* browser = OnlyBrowser(*window);
        ASSERT_NE(browser, nullptr);
        // The filter is typed but not committed with Enter when the user quits.
        auto* filter = platform::Control<QLineEdit>(Tabs(browser)->currentWidget(), kFilterControl);
        ASSERT_NE(filter, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        filter->setFocus();
        QTest::keyClicks(filter, "core");
        window->close();
    }
    {
        auto window = Start();
        EXPECT_EQ(window->size(), QSize(1000, 650));
        EXPECT_EQ(window->dockWidgetArea(window->DataFolderDock()), Qt::RightDockWidgetArea);
        EXPECT_TRUE(window->DataFolderDock()->isVisible());
        EXPECT_NEAR(window->DataFolderDock()->width(), 333, 4);
        QMdiSubWindow* browser = OnlyBrowser(*window);
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->windowTitle().toStdString(), "Local default");
        QWidget* page = Tabs(browser)->currentWidget();
        EXPECT_EQ(platform::Control<QLineEdit>(page, kFilterControl)->text().toStdString(), "core");
        EXPECT_EQ(platform::Control<QAbstractItemView>(page, kListControl)->model()->rowCount(), 1);
        // Closed this time: the next start opens none.
        browser->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window->close();
    }
    auto window = Start();
    EXPECT_TRUE(window->MdiArea()->subWindowList().isEmpty());
}

TEST_F(WindowLayout, ABrowserOfADataFolderDeletedSinceIsNotReopened)
{
    {
        auto window = Start();
        ASSERT_TRUE(window->OpenBrowserOn("Local default"));
        window->close();
    }
    // Another project kept under the same profile: its browsers are not this one's.
    const std::string other = tmp.Path() + "other/";
    ASSERT_TRUE(TWFileSystem::CreateProject(other, "Other"));
    workstation::MainWindow window(&module);
    window.RestoreLayout();
    window.show();
    ASSERT_TRUE(window.OpenProject(other));
    window.ReopenBrowsers();
    EXPECT_TRUE(window.MdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(window.OpenBrowserOn("No such DataFolder"));
}

TEST_F(WindowLayout, CtrlFGoesToTheFilterOfTheBrowserInFront)
{
    auto window = Start();
    ASSERT_TRUE(window->OpenBrowserOn("Local default"));
    QWidget* page = Tabs(OnlyBrowser(*window))->currentWidget();
    auto* list = platform::Control<QAbstractItemView>(page, kListControl);
    auto* filter = platform::Control<QLineEdit>(page, kFilterControl);
    ASSERT_TRUE(list && filter);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    list->setFocus();
    ASSERT_FALSE(filter->hasFocus());
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(filter->hasFocus());
}

// The main window follows the open project: title, Close Project, and a
// folder that is no project is refused with a message.
#include "apps/workstation/MainWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include "host/baseline/CBaseline.h"
#include "host/util/TWFileSystem.h"

#include <gtest/gtest.h>

#include <QAction>

TEST(MainWindow, TitleFollowsTheOpenProject)
{
    twtest::TempDir tmp;
    ASSERT_TRUE(TWFileSystem::CreateProject(tmp.Path() + "campus/", "Campus East"));
    workstation::MainWindow window;
    ASSERT_TRUE(window.OpenProject(tmp.Path() + "campus/"));
    EXPECT_EQ(window.windowTitle().toStdString(), "Workspace - Campus East");
    auto* close = window.findChild<QAction*>("actionCloseProject");
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isEnabled());

    close->trigger();
    EXPECT_EQ(CBaseline::Instance(), nullptr);
    EXPECT_FALSE(close->isEnabled());
    EXPECT_EQ(window.windowTitle().toStdString(), "Tarnwick Workstation");
}

TEST(MainWindow, FolderWithoutProjectIsRefused)
{
    twtest::TempDir tmp;
    twtest::ScriptedPrompter prompter;
    prompter.ExpectMessage("'" + tmp.Path() + "' is not a Tarnwick project: it holds no Workspace.ini.",
                           platform::BoxAnswer::Ok);
    workstation::MainWindow window;
    EXPECT_FALSE(window.OpenProject(tmp.Path()));
    EXPECT_EQ(CBaseline::Instance(), nullptr);
}

// The workstation's start-up rules: display detection, the per-user copy of
// the bundled sample, and the real executable's screenshot and no-display paths.
#include "apps/workstation/DisplayCheck.h"
#include "apps/workstation/SampleProject.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QImage>

#include <set>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace fs = std::filesystem;
using twtest::TempDir;

namespace {

std::map<std::string, std::string> g_env;
const char* FakeEnv(const char* name)
{
    auto it = g_env.find(name);
    return it == g_env.end() ? nullptr : it->second.c_str();
}

std::string Reason(std::map<std::string, std::string> env)
{
    g_env = std::move(env);
    return workstation::MissingDisplayReason(&FakeEnv);
}

const char* kWorkstation = TW_BINARY_DIR "/bin/tarnwick-workstation";

} // namespace

TEST(DisplayCheck, NeedsADisplayOrAPlatformThatDrawsElsewhere)
{
    EXPECT_FALSE(Reason({}).empty());
    EXPECT_FALSE(Reason({{"DISPLAY", ""}}).empty());
    EXPECT_TRUE(Reason({{"DISPLAY", ":0"}}).empty());
    EXPECT_TRUE(Reason({{"WAYLAND_DISPLAY", "wayland-0"}}).empty());
    EXPECT_TRUE(Reason({{"QT_QPA_PLATFORM", "offscreen"}}).empty());
    EXPECT_FALSE(Reason({{"QT_QPA_PLATFORM", "xcb"}}).empty());
    EXPECT_TRUE(Reason({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":1"}}).empty());
    EXPECT_FALSE(Reason({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":1"}}).empty());
}

TEST(SampleProject, FirstRunCopiesAndLaterRunsKeepTheUsersChanges)
{
    TempDir tmp;
    const std::string bundled = tmp.Path() + "bundled/";
    tmp.WriteFile("bundled/Workspace.ini", "[Workspace]\r\nName=Demo\r\n");
    tmp.WriteFile("bundled/DataFolders/Local default/TheDataset.Desc", "<DatasetDesc/>");

    workstation::SampleProject sample(bundled, tmp.Path() + "user/Sample Project/");
    std::string error;
    const std::string copy = sample.EnsureUserCopy(error);
    ASSERT_EQ(copy, tmp.Path() + "user/Sample Project/") << error;
    EXPECT_EQ(tmp.ReadFile("user/Sample Project/DataFolders/Local default/TheDataset.Desc"),
              "<DatasetDesc/>");

    // The user's own work in the copy survives the next start.
    tmp.WriteFile("user/Sample Project/Workspace.ini", "[Workspace]\r\nName=Mine\r\n");
    EXPECT_EQ(sample.EnsureUserCopy(error), copy);
    EXPECT_EQ(tmp.ReadFile("user/Sample Project/Workspace.ini"), "[Workspace]\r\nName=Mine\r\n");
    EXPECT_EQ(tmp.ReadFile("bundled/Workspace.ini"), "[Workspace]\r\nName=Demo\r\n");
    EXPECT_FALSE(fs::exists(tmp.Path() + "user/Sample Project.partial"));
}

TEST(SampleProject, AFolderThatIsNoProjectIsNeverReplaced)
{
    TempDir tmp;
    tmp.WriteFile("bundled/Workspace.ini", "[Workspace]\r\nName=Demo\r\n");
    tmp.WriteFile("user/Sample Project/notes.txt", "mine");
    workstation::SampleProject sample(tmp.Path() + "bundled/", tmp.Path() + "user/Sample Project/");
    std::string error;
    EXPECT_TRUE(sample.EnsureUserCopy(error).empty());
    EXPECT_NE(error.find("move it away"), std::string::npos) << error;
    EXPECT_EQ(tmp.ReadFile("user/Sample Project/notes.txt"), "mine");
}

TEST(SampleProject, MissingBundleIsReported)
{
    TempDir tmp;
    workstation::SampleProject sample(tmp.Path() + "nowhere/", tmp.Path() + "user/Sample Project/");
    std::string error;
    EXPECT_TRUE(sample.EnsureUserCopy(error).empty());
    EXPECT_NE(error.find("nowhere"), std::string::npos);
}

TEST(WorkstationProgram, WithoutDisplaySaysSoInOneLineAndFails)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(kWorkstation, {});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_NE(process.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    EXPECT_TRUE(err.contains("no display")) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 0) << err.toStdString();
}

TEST(WorkstationProgram, ScreenshotOfTheSampleProject)
{
    TempDir tmp;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", QString::fromStdString(tmp.Path() + "data"));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(tmp.Path() + "config"));
    process.setProcessEnvironment(env);
    const std::string shot = tmp.Path() + "shot.png";
    process.start(kWorkstation, {"--screenshot", QString::fromStdString(shot)});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 400);
    // The first run made the user's copy of the sample, opened on a DataFolder with data.
    EXPECT_TRUE(fs::exists(tmp.Path() + "data/tarnwick/Sample Project/Workspace.ini"));
    EXPECT_NE(tmp.ReadFile("data/tarnwick/Sample Project/TWDataSet.ini")
                  .find("CurrentPath=" + tmp.Path() + "data/tarnwick/Sample Project/DataFolders/2026-11-27 After change/"),
              std::string::npos);
}

// The browser opened at start on the sample's current DataFolder, as a user
// sees it: the screenshot is of the whole main window with the browser inside.
TEST(WorkstationProgram, ScreenshotWithTheBrowserOpen)
{
    TempDir tmp;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", QString::fromStdString(tmp.Path() + "data"));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(tmp.Path() + "config"));
    process.setProcessEnvironment(env);
    const std::string shot = tmp.Path() + "browser.png";
    process.start(kWorkstation, {"--open-browser", "--screenshot", QString::fromStdString(shot)});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    if (const char* dir = std::getenv("TW_SCREENSHOT_DIR"))
        image.save(QString(dir) + "/workstation-browser.png");
    // Below the toolbar an empty MDI area is one flat colour; the browser's
    // tabs, column headings and first rows are many.
    std::set<QRgb> colours;
    for (int y = image.height() / 10; y < image.height() / 5; ++y)
        for (int x = 0; x < image.width() / 2; x += 3)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 20u);
}

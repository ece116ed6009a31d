// The README's commands, run as a new user types them: ./run.sh renders the
// main window with and without --project, and the twdata examples run word for
// word. Each run has a home folder of its own and no display.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <set>
#include <string>

namespace fs = std::filesystem;
using twtest::TempDir;

namespace {

const std::string kSource = TW_SOURCE_DIR;
const std::string kBuild = TW_BINARY_DIR;

struct ShellRun {
    int exitCode = -1;
    std::string output;   // standard output and error together
};

class ReadmeCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        // ./run.sh builds the default build folder; from any other build it would
        // start a second full build inside a test.
        if (fs::weakly_canonical(kBuild) != fs::weakly_canonical(kSource + "/build"))
            GTEST_SKIP() << "./run.sh builds " << kSource << "/build; this test build is " << kBuild;
        ASSERT_TRUE(m_tmp.MakeDir("home"));
    }

    // bash -c command in folder cwd, with HOME in the temporary folder, the
    // default per-user folders under it and no display.
    ShellRun Shell(const std::string& command, const std::string& cwd) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString home = QString::fromStdString(m_tmp.Path() + "home");
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home + "/.local/share");
        env.insert("XDG_CONFIG_HOME", home + "/.config");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(cwd));
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start("bash", {"-c", QString::fromStdString(command)});
        ShellRun run;
        if (!process.waitForFinished(240000)) {
            process.kill();
            process.waitForFinished();
            run.output = "timed out: " + command;
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.output = process.readAll().toStdString();
        return run;
    }

    TempDir m_tmp;
};

// A picture of a window, not an empty canvas: a sizeable image with many colours.
void ExpectWindowPicture(const std::string& path)
{
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull()) << "no picture at " << path;
    EXPECT_GT(image.width(), 400);
    EXPECT_GT(image.height(), 300);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 8u) << path << " is nearly uniform";
}

// The fenced block that follows the heading line in README.md.
std::string ReadmeBlockAfter(const std::string& heading)
{
    const std::string readme = twtest::ReadBytes(kSource + "/README.md");
    const std::size_t at = readme.find("\n" + heading + "\n");
    if (at == std::string::npos)
        return {};
    const std::size_t open = readme.find("```sh\n", at);
    const std::size_t close = open == std::string::npos ? open : readme.find("\n```", open);
    if (close == std::string::npos)
        return {};
    return readme.substr(open + 6, close - open - 6);
}

} // namespace

TEST_F(ReadmeCommands, RunShRendersTheSampleProjectAndAnotherProject)
{
    // As typed, from another folder: a relative screenshot path is the caller's.
    const ShellRun sample = Shell("\"" + kSource + "/run.sh\" --screenshot shot.png", m_tmp.Path());
    ASSERT_EQ(sample.exitCode, 0) << sample.output;
    ExpectWindowPicture(m_tmp.Path() + "shot.png");
    const std::string copy = m_tmp.Path() + "home/.local/share/tarnwick/Sample Project/";
    ASSERT_TRUE(fs::exists(copy + "Workspace.ini")) << sample.output;

    fs::copy(copy, m_tmp.Path() + "My project", fs::copy_options::recursive);
    const ShellRun other = Shell("\"" + kSource + "/run.sh\" --project \"My project\" --screenshot other.png",
                            m_tmp.Path());
    ASSERT_EQ(other.exitCode, 0) << other.output;
    ExpectWindowPicture(m_tmp.Path() + "other.png");
}

TEST_F(ReadmeCommands, TwdataExamplesWorkAsTyped)
{
    const std::string block = ReadmeBlockAfter("## The `twdata` command line");
    ASSERT_NE(block.find("build/bin/twdata"), std::string::npos) << "README has no twdata examples";
    // The examples name build/bin/ relative to the checkout; files they write
    // land in the current folder, here the temporary one.
    fs::create_directory_symlink(kBuild, m_tmp.Path() + "build");
    const ShellRun sample = Shell("\"" + kSource + "/run.sh\" --screenshot shot.png", m_tmp.Path());
    ASSERT_EQ(sample.exitCode, 0) << sample.output;

    const ShellRun examples = Shell("set -euo pipefail\n" + block, m_tmp.Path());
    EXPECT_EQ(examples.exitCode, 0) << block << "\n---\n" << examples.output;
}

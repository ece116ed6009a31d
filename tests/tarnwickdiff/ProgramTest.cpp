// The real TarnwickDiff.exe: found on PATH by the name the module uses, started
// with two paths, drawing a window with the comparison in it.
#include "apps/tarnwickdiff/DiffColours.h"
#include "platform/qt/StartProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

const std::string kBinDir = TW_BINARY_DIR "/bin";

struct ProgramRun {
    bool finished = false;
    int exitCode = -1;
    std::string err;
    std::string out;
};

ProgramRun Start(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(program, args);
    ProgramRun run;
    run.finished = process.waitForFinished(60000);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.err = process.readAllStandardError().toStdString();
    run.out = process.readAllStandardOutput().toStdString();
    return run;
}

// Puts the build's bin folder first on PATH, as the workstation's own folder is.
class BinOnPath {
public:
    BinOnPath() : m_old(std::getenv("PATH") ? std::getenv("PATH") : "")
    {
        setenv("PATH", (kBinDir + ":" + m_old).c_str(), 1);
    }
    ~BinOnPath() { setenv("PATH", m_old.c_str(), 1); }

private:
    std::string m_old;
};

} // namespace

TEST(TarnwickDiffProgram, FoundByItsNameAndStartedWithTwoPathsItPaintsTheComparison)
{
    twtest::TempDir dir;
    const std::string first = dir / "DF 1/core-r1$show run$20240501.txt";
    const std::string second = dir / "DF 2/core-r1$show run$20240602.txt";
    ASSERT_TRUE(dir.WriteFile("DF 1/core-r1$show run$20240501.txt", "hostname core-r1\r\n!\r\nend\r\n"));
    ASSERT_TRUE(dir.WriteFile("DF 2/core-r1$show run$20240602.txt", "hostname core-r1\n!\nntp server 10.0.0.1\nend\n"));

    // The module's exact command line, split as the platform splits it.
    const std::vector<std::string> parts =
        platform::SplitCommandLine("\"TarnwickDiff.exe\" \"" + first + "\" \"" + second + "\"");
    ASSERT_EQ(parts.size(), 3u);
    BinOnPath path;
    const std::string program = platform::FindProgram(parts[0]);
    EXPECT_EQ(program, kBinDir + "/TarnwickDiff.exe");

    const ProgramRun run = Start(QString::fromStdString(program),
                          {"--first-paint-exit", QString::fromStdString(parts[1]), QString::fromStdString(parts[2])});
    ASSERT_TRUE(run.finished) << "no first paint within a minute: " << run.err;
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST(TarnwickDiffProgram, ScreenshotShowsTheColouredDifference)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("a.cfg", "interface Gi0/1\n description to core-r1\n shutdown\n!\n"));
    ASSERT_TRUE(dir.WriteFile("b.cfg", "interface Gi0/1\n description to core-r2\n!\nntp server 10.0.0.1\n"));
    const std::string shot = dir / "shot.png";
    const ProgramRun run = Start(QString::fromStdString(kBinDir + "/TarnwickDiff.exe"),
                          {"--screenshot", QString::fromStdString(shot), "--title1", "Baseline",
                           QString::fromStdString(dir / "a.cfg"), QString::fromStdString(dir / "b.cfg")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 800);
    int changed = 0, added = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            changed += c == tarnwickdiff::colours::ChangedLine();
            added += c == tarnwickdiff::colours::AddedLine();
        }
    EXPECT_GT(changed, 1000);
    EXPECT_GT(added, 1000);
}

TEST(TarnwickDiffProgram, UsageAndHelp)
{
    const QString program = QString::fromStdString(kBinDir + "/TarnwickDiff.exe");
    const ProgramRun bad = Start(program, {"only-one.txt"});
    ASSERT_TRUE(bad.finished);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, "TarnwickDiff.exe: two files to compare are needed, 1 given\nTry TarnwickDiff.exe --help.\n");
    const ProgramRun help = Start(program, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: TarnwickDiff.exe [options] FIRST SECOND\n", 0), 0u) << help.out;
}

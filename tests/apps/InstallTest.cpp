// The installed programs, as a desktop user gets them from `cmake --install`:
// everything lands in the usual places and runs from there, with nothing
// taken from the build folder.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using twtest::TempDir;

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProgramRun Start(const std::string& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString(program), args);
    ProgramRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.err = "did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

// A user's session: own home, offscreen drawing, and a PATH that holds no
// build folder, so the installed workstation must find its helpers itself.
QProcessEnvironment UserEnvironment(const TempDir& tmp)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(tmp / "home"));
    env.insert("XDG_DATA_HOME", QString::fromStdString(tmp / "home/.local/share"));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(tmp / "home/.config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PATH", "/usr/bin:/bin");
    env.remove("TW_SYSTEM_CONF_DIR");
    env.remove("LD_LIBRARY_PATH");
    return env;
}

} // namespace

TEST(Installation, InstalledProgramsRunFromThePrefixAlone)
{
    TempDir tmp;
    const std::string prefix = tmp / "prefix";
    const ProgramRun install = Start("cmake", {"--install", TW_BINARY_DIR, "--prefix", QString::fromStdString(prefix)},
                              QProcessEnvironment::systemEnvironment());
    ASSERT_EQ(install.exitCode, 0) << install.out << install.err;

    // The desktop's places.
    for (const char* file : {"bin/tarnwick-workstation", "bin/twdata", "bin/TarnwickDiff.exe", "lib/tarnwick/twdata-session",
                             "lib/tarnwick/libguidataset.so", "share/tarnwick/conf/fix_CliShowIfCmdRule.xml",
                             "share/tarnwick/samples/sample-project/Workspace.ini",
                             "share/applications/tarnwick-workstation.desktop",
                             "share/icons/hicolor/scalable/apps/tarnwick-workstation.svg"})
        EXPECT_TRUE(fs::is_regular_file(prefix + "/" + file)) << file;
    const std::string entry = tmp.ReadFile("prefix/share/applications/tarnwick-workstation.desktop");
    EXPECT_NE(entry.find("\nExec=tarnwick-workstation"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=tarnwick-workstation"), std::string::npos) << entry;

    // Shared libraries resolve inside the prefix, not in the build folder.
    const QProcessEnvironment env = UserEnvironment(tmp);
    const ProgramRun ldd = Start("ldd", {QString::fromStdString(prefix + "/bin/tarnwick-workstation")}, env);
    ASSERT_EQ(ldd.exitCode, 0) << ldd.err;
    EXPECT_EQ(ldd.out.find("not found"), std::string::npos) << ldd.out;
    EXPECT_NE(ldd.out.find(prefix + "/bin/../lib/tarnwick/libtwhost.so"), std::string::npos) << ldd.out;
    EXPECT_EQ(ldd.out.find(TW_BINARY_DIR), std::string::npos) << ldd.out;

    // The workstation loads its module, copies the installed sample and draws it.
    const std::string shot = tmp / "shot.png";
    const ProgramRun workstation =
        Start(prefix + "/bin/tarnwick-workstation", {"--screenshot", QString::fromStdString(shot)}, env);
    EXPECT_EQ(workstation.exitCode, 0) << workstation.err;
    EXPECT_EQ(workstation.err.find("module cannot be loaded"), std::string::npos) << workstation.err;
    EXPECT_EQ(workstation.err.find("sample project is missing"), std::string::npos) << workstation.err;
    EXPECT_TRUE(fs::exists(tmp / "home/.local/share/tarnwick/Sample Project/Workspace.ini"));
    EXPECT_FALSE(QImage(QString::fromStdString(shot)).isNull());

    // twdata runs the commands on a project in the program it keeps in lib/tarnwick.
    const QString project = QString::fromStdString(tmp / "cli-project");
    const ProgramRun init = Start(prefix + "/bin/twdata", {"init", project}, env);
    EXPECT_EQ(init.exitCode, 0) << init.err;
    const ProgramRun list = Start(prefix + "/bin/twdata", {"-p", project, "list"}, env);
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find("Local default"), std::string::npos) << list.out;

    // The side-by-side viewer the module starts from beside the workstation.
    const std::string sample = prefix + "/share/tarnwick/samples/sample-project/DataFolders/";
    const std::string diffShot = tmp / "diff.png";
    const ProgramRun diff = Start(prefix + "/bin/TarnwickDiff.exe",
                           {"--screenshot", QString::fromStdString(diffShot),
                            QString::fromStdString(sample + "2026-11-20 Core audit/LiveConfig/core-r1.config"),
                            QString::fromStdString(sample + "2026-11-27 After change/LiveConfig/core-r1.config")},
                           env);
    EXPECT_EQ(diff.exitCode, 0) << diff.err;
    EXPECT_FALSE(QImage(QString::fromStdString(diffShot)).isNull());
}

#pragma once
// Runs the real twdata executable as a script would: standard input is a pipe
// closed at once, so there is no terminal to answer questions on.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <filesystem>
#include <string>

namespace twtest {

struct TwdataOutcome {
    int status = -1;   // -1 not started, -2 crashed
    std::string out;
    std::string err;
};

inline TwdataOutcome RunTwdata(const QStringList& args,
                               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(TW_BINARY_DIR "/bin/twdata", args);
    TwdataOutcome run;
    if (!process.waitForStarted(10000))
        return run;
    process.closeWriteChannel();
    process.waitForFinished(30000);
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

// A copy of the bundled sample project as "<folder>Sample Project/", with its
// captured logs imported by twdata as a user would; the outcome of the import.
inline TwdataOutcome ImportSampleProject(const std::string& folder, std::string& project)
{
    project = folder + "Sample Project/";
    std::filesystem::copy(TW_SOURCE_DIR "/samples/sample-project", project,
                          std::filesystem::copy_options::recursive);
    return RunTwdata({"-p", QString::fromStdString(project), "import-log", "--yes",
                      QString::fromStdString(project + "Captured logs")});
}

} // namespace twtest

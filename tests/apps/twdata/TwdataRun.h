#pragma once
// Runs the real twdata executable as a script would: standard input is a pipe
// closed at once, so there is no terminal to answer questions on.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

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

} // namespace twtest

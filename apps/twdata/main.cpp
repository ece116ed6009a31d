// twdata: the DataFolder service of Tarnwick Workstation for scripts and cron
// jobs. The service's picker is a widget, so a QApplication runs without a window.
#include "apps/twdata/TwDataCli.h"
#include "platform/core/HeapTuning.h"

#include <QApplication>
#include <QtGlobal>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// Standard error carries the service's messages for scripts to read; Qt's own
// start-up chatter (runtime folders, fonts) would only bury them.
void KeepSeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << std::endl;
}

// Commands that only read a file and print a table: they need no project and
// no picker, so they skip the application object, whose start-up (platform
// plugin, fonts) would cost more than parsing a large table.
bool NeedsNoApplication(int argc, char** argv)
{
    if (argc < 2)
        return false;
    const std::string command = argv[1];
    return command == "parse" || command == "compare-tables";
}

} // namespace

int main(int argc, char** argv)
{
    platform::KeepLargeBlocksForReuse();
    // Past a file-size limit (ulimit -f) a write then fails and is reported
    // like a full disk, instead of the signal ending twdata mid-command.
    std::signal(SIGXFSZ, SIG_IGN);
    const char* platformName = std::getenv("QT_QPA_PLATFORM");
    if (!platformName || !*platformName)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (NeedsNoApplication(argc, argv))
        return twdata::TwDataCli(std::cout, std::cerr).Run(argc, argv);
    qInstallMessageHandler(&KeepSeriousQtMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName("twdata");
    twdata::TwDataCli cli(std::cout, std::cerr);
    return cli.Run(argc, argv);
}

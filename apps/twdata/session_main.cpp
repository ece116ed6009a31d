// twdata-session: twdata's commands on a project (twdata becomes this program
// for them). The DataFolder service's picker is a widget, so a QApplication
// runs without a window.
#include "apps/twdata/TwDataCli.h"
#include "platform/core/HeapTuning.h"

#include <QApplication>
#include <QtGlobal>

#include <csignal>
#include <cstdlib>
#include <iostream>

namespace {

// Standard error carries the service's messages for scripts to read; Qt's own
// start-up chatter (runtime folders, fonts) would only bury them.
void KeepSeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << std::endl;
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
    qInstallMessageHandler(&KeepSeriousQtMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName("twdata");
    twdata::TwDataCli cli(std::cout, std::cerr);
    return cli.Run(argc, argv);
}

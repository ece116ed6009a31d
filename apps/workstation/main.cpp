// Tarnwick Workstation: opens the bundled sample project (a per-user copy) or
// the project given with --project, and hosts the DataFolder module.
#include "apps/workstation/CProgramPath.h"
#include "apps/workstation/DisplayCheck.h"
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/ModuleLoader.h"
#include "apps/workstation/SampleProject.h"

#include "platform/core/HeapTuning.h"
#include "platform/core/Prompter.h"
#include "platform/qt/QtPrompter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

const char* GetEnv(const char* name) { return std::getenv(name); }

// Renders the window in front (a dialog over the main window, else the main
// window) to a PNG and ends the program.
void ScheduleScreenshot(QWidget& window, const QString& file)
{
    QTimer::singleShot(300, &window, [&window, file] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown)
            shown = QApplication::activeWindow();
        if (!shown || !shown->isVisible())
            shown = &window;
        const bool saved = shown->grab().save(file, "PNG");
        if (!saved)
            std::fprintf(stderr, "tarnwick-workstation: cannot write the screenshot %s\n",
                         file.toLocal8Bit().constData());
        QApplication::exit(saved ? 0 : 1);
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (const std::string reason = workstation::MissingDisplayReason(&GetEnv); !reason.empty()) {
        std::fprintf(stderr, "tarnwick-workstation: %s\n", reason.c_str());
        return 1;
    }

    platform::KeepLargeBlocksForReuse();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tarnwick");
    QApplication::setApplicationName("Workstation");
    QApplication::setApplicationDisplayName("Tarnwick Workstation");
    workstation::CProgramPath::PutFirst(QCoreApplication::applicationDirPath().toStdString());

    QCommandLineParser parser;
    parser.setApplicationDescription("Tarnwick Workstation: network data collected in DataFolders.");
    parser.addHelpOption();
    QCommandLineOption projectOption("project", "Open the project in folder DIR.", "DIR");
    QCommandLineOption screenshotOption("screenshot",
                                        "Render the main window to the PNG FILE once shown, then exit.",
                                        "FILE");
    QCommandLineOption browserOption("open-browser", "Open the current DataFolder in the browser at start.");
    parser.addOption(projectOption);
    parser.addOption(screenshotOption);
    QCommandLineOption resultsOption("open-results",
                                     "Open the show-command results browser on the current DataFolder at start.");
    parser.addOption(browserOption);
    parser.addOption(resultsOption);
    parser.process(app);

    platform::QtPrompter prompter;
    platform::Prompter::Install(&prompter);

    std::string projectFolder;
    if (parser.isSet(projectOption)) {
        projectFolder = parser.value(projectOption).toStdString();
    } else {
        const std::string exeFolder = QCoreApplication::applicationDirPath().toStdString();
        workstation::SampleProject sample(workstation::SampleProject::LocateBundled(exeFolder),
                                          workstation::SampleProject::DefaultUserCopyFolder());
        std::string error;
        projectFolder = sample.EnsureUserCopy(error);
        if (projectFolder.empty())
            std::fprintf(stderr, "tarnwick-workstation: %s\n", error.c_str());
    }

    workstation::ModuleLoader module;
    if (!module.Load(QCoreApplication::applicationDirPath().toStdString()))
        std::fprintf(stderr, "tarnwick-workstation: %s\n", module.Error().c_str());

    int result = 0;
    {
        workstation::MainWindow window(&module);
        window.show();
        if (!projectFolder.empty() && window.OpenProject(projectFolder)) {
            if (parser.isSet(browserOption))
                window.OpenBrowser();
            if (parser.isSet(resultsOption))
                window.OpenShowCommandResults();
        }
        if (parser.isSet(screenshotOption))
            ScheduleScreenshot(window, parser.value(screenshotOption));
        result = app.exec();
    }
    platform::Prompter::Install(nullptr);
    return result;
}

// Tarnwick Workstation: opens the bundled sample project (a per-user copy) or
// the project given with --project, and hosts the DataFolder module.
#include "apps/workstation/CProgramPath.h"
#include "apps/workstation/DisplayCheck.h"
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/ModuleLoader.h"
#include "apps/workstation/SampleProject.h"
#include "apps/workstation/viewers/CHostViewers.h"
#include "apps/workstation/viewers/ComparisonWindows.h"

#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/HeapTuning.h"
#include "platform/core/Prompter.h"
#include "platform/qt/QtPrompter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
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

// "FIRST:SECOND" (a DataFolder name never holds a colon) into the two
// DataFolders' paths; the comparison window then opens in the MDI area.
void OpenComparison(workstation::MainWindow& window, const QString& pair, bool devices)
{
    const QStringList parts = pair.split(QLatin1Char(':'));
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    if (parts.size() != 2 || !fileSystem) {
        std::fprintf(stderr, "tarnwick-workstation: give two DataFolders as FIRST:SECOND\n");
        return;
    }
    std::string paths[2];
    for (int i = 0; i < 2; ++i) {
        const std::string name = parts[i].toStdString();
        paths[i] = name == "*Baseline Config" ? fileSystem->GetConfigRootFolder()
                                              : fileSystem->GetDataSet()->GetDataSetPath(name);
        if (paths[i].empty()) {
            std::fprintf(stderr, "tarnwick-workstation: no DataFolder '%s' in this project\n", name.c_str());
            return;
        }
    }
    if (!devices) {
        workstation::ShowDataFolderComparison(window.MdiArea(), paths[0], paths[1]);
        return;
    }
    std::vector<std::string> names;
    if (GlobalNetworkInfo* inventory = GetCurrentGNI())
        for (const DeviceSetting* device : inventory->GetDevices())
            names.push_back(device->GetName());
    workstation::ShowConfigRouteComparison(window.MdiArea(), names, paths[0], paths[1]);
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
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName("tarnwick-workstation");
    QApplication::setWindowIcon(QIcon::fromTheme("tarnwick-workstation"));
    workstation::CProgramPath::PutFirst(QCoreApplication::applicationDirPath().toStdString());

    QCommandLineParser parser;
    parser.setApplicationDescription("Tarnwick Workstation: network data collected in DataFolders.");
    parser.addHelpOption();
    QCommandLineOption projectOption("project", "Open the project in folder DIR.", "DIR");
    QCommandLineOption screenshotOption("screenshot",
                                        "Render the main window to the PNG FILE once shown, then exit.",
                                        "FILE");
    QCommandLineOption browserOption("open-browser", "Open the current DataFolder in the browser at start.");
    QCommandLineOption dataFoldersOption(
        "compare-datafolders",
        "Open the change report of two DataFolders of the project at start, FIRST:SECOND by name.", "FIRST:SECOND");
    QCommandLineOption devicesOption(
        "compare-devices",
        "Open the configuration and route-table comparison of every device of the project at start, "
        "FIRST:SECOND by DataFolder name (\"*Baseline Config\" for the project's own configurations).",
        "FIRST:SECOND");
    parser.addOption(projectOption);
    parser.addOption(screenshotOption);
    QCommandLineOption resultsOption("open-results",
                                     "Open the show-command results browser on the current DataFolder at start.");
    QCommandLineOption compareOption("compare-tables",
                                     "Compare the tables FILE1 and FILE2 (first the older) by their keys at start.");
    QCommandLineOption dialogOption("open-dialog",
                                    "Open a compare dialog at start: compare-tables, compare-config-route, "
                                    "compare-datafolders, select-show-commands or compare-device-configs.",
                                    "NAME");
    parser.addOption(browserOption);
    parser.addOption(compareOption);
    parser.addOption(dataFoldersOption);
    parser.addOption(devicesOption);
    parser.addOption(dialogOption);
    parser.addOption(resultsOption);
    parser.addPositionalArgument("FILE1 FILE2", "The two tables of --compare-tables.", "[FILE1 FILE2]");
    parser.process(app);
    const QStringList tables = parser.positionalArguments();
    if (parser.isSet(compareOption) != !tables.isEmpty() || (!tables.isEmpty() && tables.size() != 2)) {
        std::fprintf(stderr, "tarnwick-workstation: --compare-tables takes two table files, and files are given "
                             "only with it.\n");
        return 2;
    }

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
        window.RestoreLayout();
        window.show();
        if (!projectFolder.empty() && window.OpenProject(projectFolder)) {
            window.ReopenBrowsers();
            if (parser.isSet(browserOption))
                window.OpenBrowser();
            if (parser.isSet(resultsOption))
                window.OpenShowCommandResults();
            if (parser.isSet(dataFoldersOption))
                OpenComparison(window, parser.value(dataFoldersOption), false);
            if (parser.isSet(devicesOption))
                OpenComparison(window, parser.value(devicesOption), true);
        }
        // From the event loop: a message on tables that cannot be compared then
        // does not stop a screenshot from ending the program.
        if (!tables.isEmpty())
            QTimer::singleShot(0, &window, [&window, tables] {
                window.Viewers()->CompareTableFiles(tables[0].toStdString(), tables[1].toStdString(),
                                                    QFileInfo(tables[0]).fileName() + QStringLiteral(" -> ") +
                                                        QFileInfo(tables[1]).fileName());
            });
        // Once the event loop runs, so that the dialog's own loop nests in it.
        if (parser.isSet(dialogOption)) {
            const std::string name = parser.value(dialogOption).toStdString();
            QTimer::singleShot(0, &window, [&window, name] {
                if (!window.OpenCompareDialog(name))
                    std::fprintf(stderr, "tarnwick-workstation: no compare dialog '%s' to open\n", name.c_str());
            });
        }
        if (parser.isSet(screenshotOption))
            ScheduleScreenshot(window, parser.value(screenshotOption));
        result = app.exec();
    }
    platform::Prompter::Install(nullptr);
    return result;
}

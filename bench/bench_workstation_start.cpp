// Opens the workstation's main window on a project of 2,000 DataFolders (half
// of them locked) and times the work after the window has appeared: the
// project opened, the toolbar picker and the panel filled, and the event loop
// idle. Baselines of the same run: the same start on a project with no
// DataFolder of its own, and the bare listing of the DataFolders folder.
// Run: QT_QPA_PLATFORM=offscreen bench_workstation_start [--benchmark_...]; the figures are printed at the end.
#include "apps/workstation/CDataFolderDock.h"
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/ModuleLoader.h"
#include "bench/support/BenchFolder.h"
#include "bench/support/FindFilesBaseline.h"
#include "bench/support/RunTimeReporter.h"
#include "bench/support/SurveyDataFolders.h"
#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "host/util/TWFileSystem.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kDataFolderCount = 2000;

class BenchProjects : public BenchFolder {
public:
    BenchProjects() : BenchFolder("tw-bench-start")
    {
        if (!TWFileSystem::CreateProject(Large(), "Bench") || !TWFileSystem::CreateProject(Empty(), "Empty"))
            std::abort();
        MakeSurveyDataFolders(Large(), kDataFolderCount);
        // The window keeps its layout in the per-user settings: these runs use their own.
        setenv("XDG_CONFIG_HOME", (Path() + "/config").c_str(), 1);
    }
    std::string Large() const { return Path() + "/large/"; }
    std::string Empty() const { return Path() + "/empty/"; }
};

BenchProjects& Projects()
{
    static BenchProjects projects;
    return projects;
}

// Loaded by main, which unloads it before the application goes, as the program does.
workstation::ModuleLoader* g_module = nullptr;

// Runs the event loop until it has nothing left to do.
void WaitUntilIdle()
{
    QEventLoop loop;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const auto connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop,
                                             &QEventLoop::quit, Qt::DirectConnection);
    loop.exec();
    QObject::disconnect(connection);
}

// As the program starts: the window shown with its layout, then the project
// opened and the browsers of the last session reopened. Only the part after
// the window has appeared is timed.
void StartWorkstation(benchmark::State& state, const std::string& project, int expectedItems)
{
    int items = 0;
    std::size_t descriptorReads = 0;
    for (auto _ : state) {
        workstation::MainWindow window(g_module);
        window.RestoreLayout();
        window.show();
        WaitUntilIdle();

        // As at a program start, no lock flag is known yet: each descriptor is read.
        for (const auto& entry : std::filesystem::directory_iterator(project + "DataFolders"))
            ForgetDatasetLockFlag(entry.path().string());
        const std::size_t loadsBefore = DatasetLockFlagFileLoads();
        const auto start = std::chrono::steady_clock::now();
        if (!window.OpenProject(project))
            state.SkipWithError("the project does not open");
        window.ReopenBrowsers();
        WaitUntilIdle();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        descriptorReads = DatasetLockFlagFileLoads() - loadsBefore;

        auto* tree = window.DataFolderDock()->findChild<QTreeWidget*>();
        items = tree ? tree->topLevelItemCount() : 0;
        if (items != expectedItems)
            state.SkipWithError("the panel does not list every DataFolder");
        window.CloseProject();
    }
    state.counters["items"] = items;
    state.counters["descriptor_reads"] = static_cast<double>(descriptorReads);
}

void BM_StartOnLargeProject(benchmark::State& state)
{
    StartWorkstation(state, Projects().Large(), kDataFolderCount + 1);
}

void BM_StartOnEmptyProject(benchmark::State& state)
{
    StartWorkstation(state, Projects().Empty(), 1);
}

void BM_FindFiles(benchmark::State& state)
{
    RunFindFilesBaseline(state, Projects().Large() + "DataFolders/*.*");
}

} // namespace

BENCHMARK(BM_StartOnLargeProject)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseManualTime();
BENCHMARK(BM_StartOnEmptyProject)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseManualTime();
BENCHMARK(BM_FindFiles)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char** argv)
{
    Projects();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tarnwick");
    QApplication::setApplicationName("Workstation");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    workstation::ModuleLoader module;
    if (!module.Load(QCoreApplication::applicationDirPath().toStdString())) {
        std::fprintf(stderr, "%s\n", module.Error().c_str());
        return 1;
    }
    g_module = &module;
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double large = reporter.Seconds("BM_StartOnLargeProject");
    const double empty = reporter.Seconds("BM_StartOnEmptyProject");
    const double listing = reporter.Seconds("BM_FindFiles");
    if (large > 0 && empty > 0 && listing > 0)
        std::printf("\nStart on %d DataFolders: %.1f ms after the window appeared (target < 1000 ms)\n"
                    "Start on an empty project: %.1f ms, ratio large/empty = %.2f\n"
                    "FindFiles of the DataFolders folder: %.2f ms, ratio large/FindFiles = %.1f\n",
                    kDataFolderCount, large * 1e3, empty * 1e3, large / empty, listing * 1e3, large / listing);
    benchmark::Shutdown();
    return 0;
}

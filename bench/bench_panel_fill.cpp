// Fills the DataFolder panel of a project with 2,000 DataFolders (half of
// them locked) and times the bare listing of the project's DataFolders folder
// (platform::FindFiles) as the baseline.
// Run: QT_QPA_PLATFORM=offscreen bench_panel_fill [--benchmark_...]; the ratio is printed at the end.
#include "bench/support/BenchFolder.h"
#include "bench/support/FindFilesBaseline.h"
#include "bench/support/RunTimeReporter.h"
#include "bench/support/SurveyDataFolders.h"
#include "guidataset/dataset/CDatafolderPanelDlg.h"
#include "guidataset/dataset/CDatasetTreeCtrl.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWFileSystem.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kDataFolderCount = 2000;

class BenchProject : public BenchFolder {
public:
    BenchProject() : BenchFolder("tw-bench-panel")
    {
        if (!TWFileSystem::CreateProject(ProjectPath(), "Bench"))
            std::abort();
        MakeSurveyDataFolders(ProjectPath(), kDataFolderCount);
    }
    std::string ProjectPath() const { return Path() + "/project/"; }
};

BenchProject& Project()
{
    static BenchProject project;
    return project;
}

void BM_PanelFill(benchmark::State& state)
{
    CDatafolderPanelDlg panel(CBaseline::Instance());
    for (auto _ : state) {
        panel.Fill(CBaseline::Instance());
        benchmark::DoNotOptimize(panel.Tree()->topLevelItemCount());
    }
    state.counters["items"] = panel.Tree()->topLevelItemCount();
}

void BM_FindFiles(benchmark::State& state)
{
    RunFindFilesBaseline(state, Project().ProjectPath() + "DataFolders/*.*");
}

} // namespace

BENCHMARK(BM_PanelFill)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_FindFiles)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!CBaseline::Open(Project().ProjectPath()))
        return 1;
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double listing = reporter.Seconds("BM_FindFiles");
    const double fill = reporter.Seconds("BM_PanelFill");
    if (listing > 0 && fill > 0)
        std::printf("\nFindFiles of %d DataFolders %.2f ms\nPanel fill: %.2f ms, ratio fill/FindFiles = %.2f "
                    "(target <= 5.00)\n",
                    kDataFolderCount, listing * 1e3, fill * 1e3, fill / listing);
    CBaseline::Close();
    benchmark::Shutdown();
    return 0;
}

// Fills the browser's route-table page from a kind folder of 50,000 tables,
// once with an empty host-name filter and once with a filter that 1% of the
// hosts match, and times the bare directory listing of the same folder
// (platform::FindFiles) as the baseline.
// Run: bench_browser_fill [--benchmark_...]; the ratios are printed at the end.
#include "bench/support/BenchFolder.h"
#include "bench/support/FindFilesBaseline.h"
#include "bench/support/RunTimeReporter.h"
#include "guidataset/browser/CDatafolderListModel.h"
#include "guidataset/browser/CSubDatasetBase.h"
#include "guidataset/browser/SubDatasetProvider.h"
#include "guidataset/browser/core/CDatafolderTreeItems.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/dataset/core/DataKind.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"

#include <benchmark/benchmark.h>


#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kFileCount = 50000;
constexpr const char* kRareHost = "lab-edge";   // the host part of 1% of the tables

// A DataFolder whose LiveRouteTable folder holds the tables of many devices:
// the device's own table, named tables and qualified ones, with the times of
// a few imports.
class BenchDataFolder : public BenchFolder {
public:
    BenchDataFolder() : BenchFolder("tw-bench-browser")
    {
        const std::string folder = DataFolderPath() + "LiveRouteTable/";
        std::filesystem::create_directories(folder);
        for (int i = 0; i < kFileCount; ++i) {
            char name[128];
            const char* host = i % 100 == 42 ? kRareHost : "core-r";
            switch (i % 3) {
            case 0: std::snprintf(name, sizeof name, "%s%d.ort", host, i); break;
            case 1: std::snprintf(name, sizeof name, "%s%d$vrf%%20%d.ort", host, i, i % 7); break;
            default: std::snprintf(name, sizeof name, "%s%d$before change$.ort", host, i); break;
            }
            CreateEmptyFile(folder + name, 1700000000 + (i / 10000) * 3600);
        }
    }
    std::string DataFolderPath() const { return Path() + "/"; }
};

BenchDataFolder& Folder()
{
    static BenchDataFolder folder;
    return folder;
}

void FillPage(benchmark::State& state, const std::string& filter)
{
    DatafolderSelection selection;
    selection.dataFolderPath = Folder().DataFolderPath();
    CDatafolderTreeItems tree;
    SubDatasetProvider provider(&tree, &selection);
    CDatafolderListModel list;
    CSubDatasetBase* page = provider.GetPage(kKindLiveRouteTable);
    page->SetListCtrl(&list, false);
    DatafolderDataDisplayContent content("Bench", "Route Table");
    content.dataFolderPath = Folder().DataFolderPath();
    content.provider = &provider;
    content.selection = &selection;
    for (auto _ : state) {
        int layout = 0;
        bool flag = false;
        page->PrepareColumns(layout, flag);
        page->Fill(kKindLiveRouteTable, content, filter);
        benchmark::DoNotOptimize(list.GetItemCount());
    }
    state.counters["rows"] = list.GetItemCount();
    page->SetListCtrl(nullptr, false);
}

void BM_PageFill(benchmark::State& state)
{
    FillPage(state, {});
}

void BM_PageFillFiltered(benchmark::State& state)
{
    FillPage(state, kRareHost);
}

void BM_FindFiles(benchmark::State& state)
{
    TimeFindFiles(state, Folder().DataFolderPath() + "LiveRouteTable/*");
}

} // namespace

BENCHMARK(BM_PageFill)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_PageFillFiltered)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_FindFiles)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Folder();   // build the folder before anything is timed
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double listing = reporter.Seconds("BM_FindFiles");
    const double all = reporter.Seconds("BM_PageFill");
    const double filtered = reporter.Seconds("BM_PageFillFiltered");
    if (listing > 0 && all > 0 && filtered > 0) {
        std::printf("\nFindFiles of %d files %.2f ms\n", kFileCount, listing * 1e3);
        std::printf("Route-table page fill, no filter: %.2f ms, ratio fill/FindFiles = %.2f (target <= 3.00)\n",
                    all * 1e3, all / listing);
        std::printf("Route-table page fill, filter matching 1%%: %.2f ms, ratio fill/FindFiles = %.2f "
                    "(target <= 3.00)\n",
                    filtered * 1e3, filtered / listing);
    }
    benchmark::Shutdown();
    return 0;
}

// Lists the ".config" files of one device filter in a DataFolder holding
// 100,000 files, and times the same search done by find(1) as the baseline.
// Run: bench_list_kind_files [--benchmark_...]; the ratio is printed at the end.
#include "bench/support/BenchFolder.h"
#include "bench/support/RunTimeReporter.h"
#include "guidataset/dataset/core/DataKind.h"
#include "guidataset/dataset/core/DataKindFiles.h"
#include "platform/core/DirEntry.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kFileCount = 100000;
constexpr const char* kFilter = "r1";

// A folder shaped like a busy DataFolder: configurations of many devices, some
// named as result files (device$qualifier), a few of another kind, whose
// device part holds the filter only in part of the names.
class KindFilesFolder : public BenchFolder {
public:
    KindFilesFolder() : BenchFolder("tw-bench-kindfiles")
    {
        const char* const prefixes[] = {"core-r", "edge-R", "dist-sw", "acc-sw", "fw-"};
        for (int i = 0; i < kFileCount; ++i) {
            char name[128];
            const char* prefix = prefixes[i % 5];
            if (i % 10 == 3)
                std::snprintf(name, sizeof name, "%s%d$show r1 log.config", prefix, i / 5);
            else if (i % 10 == 7)
                std::snprintf(name, sizeof name, "%s%d$default.config", prefix, i / 5);
            else if (i % 50 == 9)
                std::snprintf(name, sizeof name, "%s%d.ort", prefix, i / 5);
            else
                std::snprintf(name, sizeof name, "%s%d.config", prefix, i / 5);
            CreateEmptyFile(Path() + "/" + name);
        }
    }
};

KindFilesFolder& Folder()
{
    static KindFilesFolder folder;
    return folder;
}


void BM_ListDataKindFiles(benchmark::State& state)
{
    const std::string folder = Folder().Path();
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<platform::DirEntry> entries;
        ListDataKindFiles(entries, folder, kKindLiveConfig, kFilter);
        found = entries.size();
        benchmark::DoNotOptimize(entries.data());
    }
    state.counters["files"] = static_cast<double>(found);
}

void BM_FindIname(benchmark::State& state)
{
    const std::string command = "find '" + Folder().Path() + "' -maxdepth 1 -iname '*" +
                                std::string(kFilter) + "*.config' > /dev/null";
    for (auto _ : state) {
        const int rc = std::system(command.c_str());
        benchmark::DoNotOptimize(rc);
        if (rc != 0)
            state.SkipWithError("find failed");
    }
}

} // namespace

BENCHMARK(BM_ListDataKindFiles)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_FindIname)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Folder();   // build the folder before anything is timed
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double oursNs = reporter.Seconds("BM_ListDataKindFiles") * 1e9;
    const double findNs = reporter.Seconds("BM_FindIname") * 1e9;
    if (oursNs > 0 && findNs > 0) {
        std::printf("\nListDataKindFiles %.2f ms, find -iname %.2f ms: ratio ours/find = %.2f "
                    "(target <= 1.50)\n",
                    oursNs / 1e6, findNs / 1e6, oursNs / findNs);
    }
    benchmark::Shutdown();
    return 0;
}

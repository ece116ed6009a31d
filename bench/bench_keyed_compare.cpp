// Compares two 500,000-row route tables that differ in 1% of their routes
// (changed next hops, withdrawn and new routes) by their keys, and times the
// textual comparison a script would do instead, sort(1) of both files and
// comm -3, run as a subprocess pipeline, as the baseline.
// Run: bench_keyed_compare [--benchmark_...]; the ratio is printed at the end.
#include "bench/support/RunTimeReporter.h"
#include "bench/support/TempBenchFolder.h"
#include "host/netutil/CKeyedTableCompare.h"
#include "host/netutil/RoutingTable.h"
#include "host/netutil/TableFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRoutes = 500000;
constexpr int kChangeEvery = 100;   // 1% of the routes differ

std::string Address(int n, int base)
{
    return std::to_string(base) + "." + std::to_string((n >> 16) & 255) + "." + std::to_string((n >> 8) & 255) + "." +
           std::to_string(n & 255);
}

// A big BGP-fed table: routes in three VRFs, every tenth with two next hops.
// In the second, every kChangeEvery-th route is changed, withdrawn or new in
// turn, and every uptime has moved on.
std::string Table(bool second)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(kRoutes) * 80);
    TableFile::AppendLine(text, RoutingTable::Columns(), RoutingTable::Columns().size());
    const char* const vrfs[] = {"", "blue", "red"};
    int rows = 0;
    for (int n = 0; rows < kRoutes; ++n) {
        const int change = n % kChangeEvery == 7 ? (n / kChangeEvery) % 3 : -1;
        if (second && change == 1)
            continue;   // withdrawn
        const std::string network = Address(n, second && change == 2 ? 11 : 10);
        const std::string hop = Address(n % 251 + (second && change == 0 ? 1 : 0), 192);
        const std::string uptime = second ? "1d02h" : "1d01h";
        const char* vrf = vrfs[n % 3];
        TableFile::AppendLine(text, {"B", vrf, network, "24", "20", "0", hop, "", uptime});
        ++rows;
        if (n % 10 == 0 && rows < kRoutes) {
            TableFile::AppendLine(text, {"B", vrf, network, "24", "20", "0", Address(n % 13, 172), "", uptime});
            ++rows;
        }
    }
    return text;
}

struct Tables {
    TempBenchFolder folder{"keyed"};
    std::string first = folder.Write("core-r1.ort", Table(false));
    std::string second = folder.Write("core-r1-after.ort", Table(true));
};

Tables& Files()
{
    static Tables tables;
    return tables;
}

void BM_KeyedCompare(benchmark::State& state)
{
    std::size_t changes = 0;
    for (auto _ : state) {
        const KeyedTableDiff diff = CKeyedTableCompare::CompareFiles(Files().first, Files().second);
        if (!diff.ok)
            state.SkipWithError(diff.error.c_str());
        changes = diff.changes.size();
        benchmark::DoNotOptimize(diff.changes.data());
    }
    state.counters["changes"] = static_cast<double>(changes);
}

void BM_SortComm(benchmark::State& state)
{
    // The C locale: sort's fastest ordering, so the baseline is at its best.
    const std::string command = "LC_ALL=C bash -c 'comm -3 <(sort \"" + Files().first + "\") <(sort \"" +
                                Files().second + "\") > /dev/null'";
    for (auto _ : state) {
        const int rc = std::system(command.c_str());
        benchmark::DoNotOptimize(rc);
        if (rc != 0)
            state.SkipWithError("sort | comm failed");
    }
}

} // namespace

BENCHMARK(BM_KeyedCompare)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_SortComm)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Files();   // write both tables before anything is timed
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double oursNs = reporter.Seconds("BM_KeyedCompare") * 1e9;
    const double commNs = reporter.Seconds("BM_SortComm") * 1e9;
    if (oursNs > 0 && commNs > 0)
        std::printf("\nCKeyedTableCompare %.1f ms, sort + comm -3 %.1f ms: ratio ours/sort+comm = %.2f "
                    "(target <= 1.00)\n",
                    oursNs / 1e6, commNs / 1e6, oursNs / commNs);
    benchmark::Shutdown();
    return 0;
}

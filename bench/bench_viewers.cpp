// The workstation's viewers against plain work on the same data, in one run:
// - the table viewer's fill of an 80,000-row MAC table (model load and
//   filter proxy) against TableFile::Read of the same file;
// - its sort of those rows by port in natural order against std::stable_sort
//   of the same rows in byte order;
// - the configuration viewer's open of a 100 MB configuration (map and line
//   index) against counting its lines with memchr over a read() buffer.
// Ratios are printed at the end (targets: fill within 1.5x the read, sort
// within 3x the byte-order sort, open within 1.5x the count).
// Run: bench_viewers [--benchmark_...]
#include "apps/workstation/viewers/CMappedTextFile.h"
#include "apps/workstation/viewers/CTableFileModel.h"
#include "apps/workstation/viewers/CTableFilterProxy.h"
#include "bench/support/RunTimeReporter.h"
#include "bench/support/TempBenchFolder.h"
#include "host/netutil/TableFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <numeric>
#include <string>
#include <unistd.h>

namespace {

constexpr int kTableRows = 80000;
constexpr std::size_t kConfigBytes = 100u << 20;

class BenchFiles {
public:
    BenchFiles() : m_folder("viewers")
    {
        std::string table = "vlan\tmac\ttype\tports\r\n";
        char line[128];
        for (int i = 0; i < kTableRows; ++i) {
            const int n = std::snprintf(line, sizeof line, "%d\t%04x.%04x.%04x\tDYNAMIC\tGi%d/0/%d\r\n",
                                        (i * 7919) % 4000 + 1, i & 0xffff, (i >> 4) & 0xffff, (i * 3) & 0xffff,
                                        i % 4 + 1, i % 48);
            table.append(line, static_cast<std::size_t>(n));
        }
        m_tablePath = m_folder.Write("dist-sw1.omt", table);
        std::string config;
        config.reserve(kConfigBytes + 128);
        for (unsigned i = 0; config.size() < kConfigBytes; ++i) {
            const int n = std::snprintf(line, sizeof line, " ip route 10.%u.%u.0 255.255.255.0 Null0 tag %u\r\n",
                                        (i >> 8) & 255, i & 255, i);
            config.append(line, static_cast<std::size_t>(n));
        }
        m_configPath = m_folder.Write("huge.config", config);
    }
    const std::string& TablePath() const { return m_tablePath; }
    const std::string& ConfigPath() const { return m_configPath; }

private:
    TempBenchFolder m_folder;
    std::string m_tablePath;
    std::string m_configPath;
};

BenchFiles& Files()
{
    static BenchFiles files;
    return files;
}

void BM_TableFileRead(benchmark::State& state)
{
    for (auto _ : state) {
        TableFile::Row header;
        std::vector<TableFile::Row> rows;
        if (!TableFile::Read(Files().TablePath(), header, rows))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(rows.data());
    }
}

// The table viewer's model and filter proxy over the bench table.
void Fill(workstation::CTableFileModel& model, workstation::CTableFilterProxy& proxy, benchmark::State& state)
{
    proxy.SetTable(&model);
    std::string error;
    if (!model.Load(Files().TablePath(), error))
        state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(proxy.rowCount());
}

void BM_TableViewerFill(benchmark::State& state)
{
    for (auto _ : state) {
        workstation::CTableFileModel model;
        workstation::CTableFilterProxy proxy;
        Fill(model, proxy, state);
    }
}

constexpr int kPortColumn = 3;

void BM_ByteOrderSort(benchmark::State& state)
{
    TableFile::Row header;
    std::vector<TableFile::Row> rows;
    TableFile::Read(Files().TablePath(), header, rows);
    std::vector<int> order(rows.size());
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return rows[a][kPortColumn] < rows[b][kPortColumn]; });
        benchmark::DoNotOptimize(order.data());
    }
}

// Sorts by port, then back to the file's order, as two clicks on a heading
// do; half of each iteration is one sort.
void BM_TableViewerSort(benchmark::State& state)
{
    workstation::CTableFileModel model;
    workstation::CTableFilterProxy proxy;
    Fill(model, proxy, state);
    for (auto _ : state) {
        proxy.sort(kPortColumn, Qt::AscendingOrder);
        benchmark::DoNotOptimize(proxy.rowCount());
        proxy.sort(-1, Qt::AscendingOrder);
    }
}

void BM_CountLines(benchmark::State& state)
{
    std::string buffer(kConfigBytes + (1 << 20), '\0');
    for (auto _ : state) {
        const int fd = ::open(Files().ConfigPath().c_str(), O_RDONLY);
        std::size_t lines = 0;
        for (ssize_t n; (n = ::read(fd, buffer.data(), 1 << 20)) > 0;) {
            for (const char* p = buffer.data(); (p = static_cast<const char*>(std::memchr(p, '\n', buffer.data() + n - p)));
                 ++p)
                ++lines;
        }
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
}

void BM_ConfigViewerOpen(benchmark::State& state)
{
    for (auto _ : state) {
        workstation::CMappedTextFile file;
        if (file.Open(Files().ConfigPath()) != workstation::CMappedTextFile::Status::Ok)
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(file.LineCount());
    }
}

} // namespace

BENCHMARK(BM_TableFileRead)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_TableViewerFill)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ByteOrderSort)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_TableViewerSort)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_CountLines)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ConfigViewerOpen)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Files();
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double read = reporter.Seconds("BM_TableFileRead");
    const double fill = reporter.Seconds("BM_TableViewerFill");
    const double byteSort = reporter.Seconds("BM_ByteOrderSort");
    const double sort = reporter.Seconds("BM_TableViewerSort");
    const double count = reporter.Seconds("BM_CountLines");
    const double open = reporter.Seconds("BM_ConfigViewerOpen");
    if (read > 0 && fill > 0)
        std::printf("\nTableFile::Read of %d rows %.1f ms; table viewer fill %.1f ms: %.2fx the read "
                    "(target <= 1.5x)\n",
                    kTableRows, read * 1e3, fill * 1e3, fill / read);
    if (byteSort > 0 && sort > 0)
        std::printf("Byte-order sort of %d rows %.1f ms; table viewer natural sort %.1f ms: %.2fx (target <= 3x)\n",
                    kTableRows, byteSort * 1e3, sort / 2 * 1e3, sort / 2 / byteSort);
    if (count > 0 && open > 0)
        std::printf("Counting the lines of 100 MB %.1f ms; configuration viewer open %.1f ms: %.2fx the count "
                    "(target <= 1.5x)\n",
                    count * 1e3, open * 1e3, open / count);
    benchmark::Shutdown();
    return 0;
}

// Reads a 50 MB show-command result with ReadShowCommandResult and copies the
// same bytes with memcpy as the baseline, in the same run; the throughput
// ratio is printed at the end (target: reading at least 25% of memcpy).
// Two files: the CR LF text the import writes, and the same text with LF-only
// line ends, which every line makes the reader change. The main figure reads
// into a string the caller keeps; reading into a fresh string is shown too.
// Run: bench_read_result [--benchmark_...]
#include "bench/support/RunTimeReporter.h"
#include "bench/support/TempBenchFolder.h"
#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "platform/core/HeapTuning.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kResultBytes = 50u << 20;

// Output shaped like "show ip route" on a big router, with the given line end.
std::string MakeResult(const char* lineEnd)
{
    std::string text;
    text.reserve(kResultBytes + 256);
    char line[160];
    for (unsigned i = 0; text.size() < kResultBytes; ++i) {
        const int n = std::snprintf(line, sizeof line,
                                    "O E2    10.%u.%u.0/24 [110/20] via 192.168.%u.%u, 3d0%uh, "
                                    "GigabitEthernet0/%u%s",
                                    (i >> 8) & 255, i & 255, (i >> 4) & 255, i % 251 + 1, i % 10, i % 48, lineEnd);
        text.append(line, static_cast<std::size_t>(n));
    }
    text.resize(kResultBytes);
    return text;
}

class BenchFiles {
public:
    BenchFiles() : m_folder("readresult")
    {
        m_crlf = MakeResult("\r\n");
        m_crlfPath = m_folder.Write("r1$show ip route$crlf.txt", m_crlf);
        m_lfPath = m_folder.Write("r1$show ip route$lf.txt", MakeResult("\n"));
    }
    const std::string& CrLfPath() const { return m_crlfPath; }
    const std::string& LfPath() const { return m_lfPath; }
    const std::string& Bytes() const { return m_crlf; }

private:
    TempBenchFolder m_folder;
    std::string m_crlf;
    std::string m_crlfPath;
    std::string m_lfPath;
};

BenchFiles& Files()
{
    static BenchFiles files;
    return files;
}


void BM_Memcpy(benchmark::State& state)
{
    const std::string& source = Files().Bytes();
    std::string target(source.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

// reuse: the caller keeps one string across reads, as a viewer stepping
// through results does; otherwise every read fills fresh memory, whose first
// touch the kernel pays page by page.
void ReadEach(benchmark::State& state, const std::string& path, bool reuse)
{
    std::size_t size = 0;
    std::string kept;
    for (auto _ : state) {
        std::string fresh;
        std::string& text = reuse ? kept : fresh;
        text.clear();
        if (!ReadShowCommandResult(path, text))
            state.SkipWithError("read failed");
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kResultBytes));
    state.counters["out_MB"] = static_cast<double>(size) / (1 << 20);
}

void BM_ReadShowCommandResult_CrLf(benchmark::State& state) { ReadEach(state, Files().CrLfPath(), true); }
void BM_ReadShowCommandResult_LfOnly(benchmark::State& state) { ReadEach(state, Files().LfPath(), true); }
void BM_ReadShowCommandResult_CrLfFreshString(benchmark::State& state)
{
    ReadEach(state, Files().CrLfPath(), false);
}

} // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ReadShowCommandResult_CrLf)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ReadShowCommandResult_LfOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ReadShowCommandResult_CrLfFreshString)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char** argv)
{
    // As the workstation and twdata do at start-up.
    platform::KeepLargeBlocksForReuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Files(); // build the files before anything is timed
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double memcpyNs = reporter.Seconds("BM_Memcpy") * 1e9;
    const double crlfNs = reporter.Seconds("BM_ReadShowCommandResult_CrLf") * 1e9;
    const double lfNs = reporter.Seconds("BM_ReadShowCommandResult_LfOnly") * 1e9;
    const double freshNs = reporter.Seconds("BM_ReadShowCommandResult_CrLfFreshString") * 1e9;
    if (memcpyNs > 0 && crlfNs > 0) {
        std::printf("\nmemcpy of 50 MB %.2f ms; ReadShowCommandResult CR LF file %.2f ms: "
                    "%.0f%% of memcpy's throughput (target >= 25%%)\n",
                    memcpyNs / 1e6, crlfNs / 1e6, 100.0 * memcpyNs / crlfNs);
    }
    if (memcpyNs > 0 && lfNs > 0) {
        std::printf("ReadShowCommandResult LF-only file %.2f ms: %.0f%% of memcpy's throughput\n",
                    lfNs / 1e6, 100.0 * memcpyNs / lfNs);
    }
    if (memcpyNs > 0 && freshNs > 0) {
        std::printf("ReadShowCommandResult CR LF file into a fresh string %.2f ms: %.0f%% of memcpy's "
                    "throughput\n",
                    freshNs / 1e6, 100.0 * memcpyNs / freshNs);
    }
    benchmark::Shutdown();
    return 0;
}

// `twdata import-log` as a whole process on a generated 40 MB capture (11,800
// results over 50 devices: route tables, ARP tables and plain show commands)
// against an awk script that writes each command's output to a file of its
// own under a name as long as the import's, in the same run, in alternating
// order. Rounds on tmpfs (/dev/shm) give the figure to judge: there the
// comparison is between the programs. Rounds on /tmp follow as a second
// figure: on ext4, creating many files shortly after many were deleted nearby
// costs far more for either side. Every round gets folders made before it is
// timed, and nothing is removed until all rounds are done.
// Then one import of a 200 MB capture, for its peak memory (target: < 64 MB).
// Run: bench_import_log [--benchmark_...]; TW_BENCH_ROUNDS sets the rounds (3).
#include "bench/support/BenchCapture.h"
#include "bench/support/RunTimeReporter.h"
#include "host/util/TWFileSystem.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int kDevices = 50;
constexpr int kPieces = 11800;
// About 40 MB in all; five times as many pieces make the 200 MB capture.
constexpr std::size_t kPieceBytes = 3500;

void WriteLog(const std::string& path, int pieces)
{
    std::ofstream out(path, std::ios::binary);
    std::string text;
    for (int n = 0; n < pieces; ++n) {
        text.clear();
        benchcapture::AppendPiece(text, n, kDevices, kPieceBytes);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    if (!out)
        std::abort();
}

// A project whose model knows every device of the log.
void MakeProject(const std::string& folder)
{
    TWFileSystem::CreateProject(folder, "Bench");
    std::ofstream devices(folder + "/Devices.ini");
    devices << benchcapture::DevicesIni(kDevices);
    if (!devices)
        std::abort();
}

// What the operating system counted for one finished process.
struct ProcessRun {
    double wall = -1;
    double user = 0;
    double sys = 0;
    double peakMegabytes = 0;
};

// Runs argv with standard output and error thrown away; wall < 0 when it failed.
ProcessRun Run(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ProcessRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    struct rusage usage {};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return run;
    run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.user = static_cast<double>(usage.ru_utime.tv_sec) + static_cast<double>(usage.ru_utime.tv_usec) / 1e6;
    run.sys = static_cast<double>(usage.ru_stime.tv_sec) + static_cast<double>(usage.ru_stime.tv_usec) / 1e6;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

// twdata sits beside the benchmark programs.
std::string Twdata()
{
    char self[4096] = {};
    if (::readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return "twdata";
    return (fs::path(self).parent_path() / "twdata").string();
}

// Names like the import's: "<device>$<command>$<yyyy-mm-dd hh-mm-ss.mmm>.txt".
const char* const kAwkScript =
    "/^[^ ]+#show / { if (out) close(out); n++; p = index($0, \"#\"); "
    "out = dir \"/\" substr($0, 1, p - 1) \"$\" substr($0, p + 1) \"$2026-12-07 01-\" "
    "sprintf(\"%02d-%02d.%03d\", int(n / 60000) % 60, int(n / 1000) % 60, n % 1000) \".txt\" } "
    "out { print > out }";

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

class ImportRounds {
public:
    // root: the file system the rounds run on.
    explicit ImportRounds(const std::string& root)
    {
        std::string pattern = root + "/tw-bench-import-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_folder = pattern;
        m_log = m_folder + "/capture.log";
        WriteLog(m_log, kPieces);
        MakeProject(m_folder + "/template");
    }
    ~ImportRounds()
    {
        // TW_BENCH_KEEP keeps the capture and the rounds' folders, e.g. to profile one import.
        if (std::getenv("TW_BENCH_KEEP")) {
            std::printf("capture and rounds kept in %s\n", m_folder.c_str());
            return;
        }
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    ImportRounds(const ImportRounds&) = delete;
    ImportRounds& operator=(const ImportRounds&) = delete;

    // One import and one awk run, in the order the round's number gives;
    // false when either failed.
    bool Round(int round)
    {
        const std::string project = m_folder + "/import" + std::to_string(round);
        const std::string awkFolder = m_folder + "/awk" + std::to_string(round);
        fs::copy(m_folder + "/template", project, fs::copy_options::recursive);
        fs::create_directories(awkFolder);
        const std::vector<std::string> import{Twdata(), "-p", project, "import-log", "--yes", m_log};
        const std::vector<std::string> awk{"/usr/bin/awk", "-v", "dir=" + awkFolder, kAwkScript, m_log};
        ProcessRun ours, theirs;
        if (round % 2 == 0) {
            ours = Run(import);
            theirs = Run(awk);
        } else {
            theirs = Run(awk);
            ours = Run(import);
        }
        if (ours.wall < 0 || theirs.wall < 0)
            return false;
        m_ours.push_back(ours);
        m_awk.push_back(theirs);
        std::printf("  round %d: import %.3f s (user %.3f, sys %.3f), awk %.3f s (user %.3f, sys %.3f), "
                    "awk / import %.2f\n",
                    round + 1, ours.wall, ours.user, ours.sys, theirs.wall, theirs.user, theirs.sys,
                    theirs.wall / ours.wall);
        return true;
    }

    void Summary(const char* where) const
    {
        std::vector<double> ratios, ours, awk;
        for (std::size_t i = 0; i < m_ours.size(); ++i) {
            ratios.push_back(m_awk[i].wall / m_ours[i].wall);
            ours.push_back(m_ours[i].wall);
            awk.push_back(m_awk[i].wall);
        }
        if (ratios.empty())
            return;
        std::printf("%-6s import %.3f s, awk %.3f s (medians of %zu rounds); awk / import, median %.2f "
                    "(target >= 1.0)\n",
                    where, Median(ours), Median(awk), ratios.size(), Median(ratios));
    }

private:
    std::string m_folder;
    std::string m_log;
    std::vector<ProcessRun> m_ours;
    std::vector<ProcessRun> m_awk;
};

int Rounds()
{
    const char* rounds = std::getenv("TW_BENCH_ROUNDS");
    return rounds && std::atoi(rounds) > 0 ? std::atoi(rounds) : 3;
}

ImportRounds* g_tmpfs = nullptr;
ImportRounds* g_ext4 = nullptr;
double g_bigPeak = 0;

void ImportAgainstAwk(benchmark::State& state, ImportRounds& rounds, const char* where)
{
    std::printf("%s:\n", where);
    for (auto _ : state)
        for (int round = 0; round < Rounds(); ++round)
            if (!rounds.Round(round)) {
                state.SkipWithError("an import or an awk run failed");
                return;
            }
}

void BM_ImportTmpfs(benchmark::State& state) { ImportAgainstAwk(state, *g_tmpfs, "tmpfs"); }
void BM_ImportExt4(benchmark::State& state) { ImportAgainstAwk(state, *g_ext4, "/tmp"); }

// Peak memory of the whole process on a 200 MB capture.
void BM_ImportPeakMemory(benchmark::State& state)
{
    std::string pattern = "/dev/shm/tw-bench-import-big-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        std::abort();
    const std::string folder = pattern;
    const std::string log = folder + "/capture.log";
    WriteLog(log, 5 * kPieces);
    MakeProject(folder + "/project");
    for (auto _ : state) {
        const ProcessRun run = Run({Twdata(), "-p", folder + "/project", "import-log", "--yes", log});
        if (run.wall < 0)
            state.SkipWithError("the import failed");
        g_bigPeak = run.peakMegabytes;
        state.counters["peak_MB"] = run.peakMegabytes;
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
}

} // namespace

BENCHMARK(BM_ImportTmpfs)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportExt4)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPeakMemory)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ImportRounds tmpfs("/dev/shm");
    ImportRounds ext4("/tmp");
    g_tmpfs = &tmpfs;
    g_ext4 = &ext4;
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    tmpfs.Summary("tmpfs");
    ext4.Summary("/tmp");
    if (g_bigPeak > 0)
        std::printf("200 MB capture: peak memory of the import %.1f MB (target < 64 MB)\n", g_bigPeak);
    benchmark::Shutdown();
    return 0;
}

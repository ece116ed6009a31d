// Opens two 200,000-line configurations with 1,000 scattered changes in
// TarnwickDiff.exe and times it to its first painted screen, against GNU diff
// of the same files in the same run (the target: at most twice diff's time).
// Three timings: diff(1) as a process, TarnwickDiff.exe as a process under the
// offscreen platform (--first-paint-exit), and the viewer's window in this
// process (read, diff, lay out, paint), which leaves out Qt's start-up.
// Run: bench_diff_first_paint [--benchmark_...]; medians and ratios at the end.
#include "apps/tarnwickdiff/DiffWindow.h"
#include "apps/tarnwickdiff/core/DiffArguments.h"
#include "bench/support/RunTimeReporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kLines = 200000;
constexpr int kChanges = 1000;

// One line of a big core router's configuration: interfaces, then an ACL,
// then static routes, with the repeated lines ("!", " no shutdown") real
// configurations have.
std::string ConfigLine(int i)
{
    char line[160];
    if (i < kLines * 3 / 10) {
        const int block = i / 6, slot = block / 48 + 1, port = block % 48 + 1;
        switch (i % 6) {
        case 0: std::snprintf(line, sizeof line, "interface TenGigabitEthernet%d/0/%d", slot, port); break;
        case 1: std::snprintf(line, sizeof line, " description link to dist-%d port Te1/0/%d", block % 700, port); break;
        case 2: std::snprintf(line, sizeof line, " switchport trunk allowed vlan %d-%d", block % 400 + 2, block % 400 + 40); break;
        case 3: std::snprintf(line, sizeof line, " ip address 10.%d.%d.1 255.255.255.252", block / 256 % 256, block % 256); break;
        case 4: std::snprintf(line, sizeof line, " no shutdown"); break;
        default: std::snprintf(line, sizeof line, "!"); break;
        }
    } else if (i < kLines * 7 / 10) {
        std::snprintf(line, sizeof line, " %s tcp host 10.%d.%d.%d any eq %d", i % 17 ? "permit" : "deny",
                      i / 65536 % 256, i / 256 % 256, i % 256, 20 + i % 1000);
    } else {
        std::snprintf(line, sizeof line, "ip route 172.%d.%d.0 255.255.255.0 10.255.%d.%d", 16 + i / 65536 % 16,
                      i / 256 % 256, i % 250, 1 + i % 200);
    }
    return line;
}

class BenchFiles {
public:
    BenchFiles()
    {
        char pattern[] = "/tmp/tw-bench-diff-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        m_folder = pattern;
        std::mt19937 random(2024);
        std::set<int> places;
        while (places.size() < kChanges)
            places.insert(static_cast<int>(random() % kLines));
        const std::vector<int> changeAt(places.begin(), places.end());
        std::ofstream baseline(Baseline()), current(Current());
        std::size_t next = 0;
        for (int i = 0; i < kLines; ++i) {
            const std::string line = ConfigLine(i);
            baseline << line << '\n';
            if (next < changeAt.size() && changeAt[next] == i) {
                ++next;
                switch (random() % 5) {
                case 0: break;   // removed
                case 1:          // added after it
                    current << line << "\n permit udp host 192.168." << i % 250 << ".9 any eq snmp\n";
                    break;
                default: {       // edited: a number changes
                    std::string edited = line;
                    const auto digit = edited.find_last_of("0123456789");
                    if (digit == std::string::npos)
                        edited += " shutdown";
                    else
                        edited[digit] = edited[digit] == '9' ? '0' : static_cast<char>(edited[digit] + 1);
                    current << edited << '\n';
                }
                }
            } else {
                current << line << '\n';
            }
        }
        if (!baseline || !current)
            std::abort();
    }
    ~BenchFiles()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    std::string Baseline() const { return m_folder + "/baseline.cfg"; }
    std::string Current() const { return m_folder + "/current.cfg"; }

private:
    std::string m_folder;
};

BenchFiles& Files()
{
    static BenchFiles files;
    return files;
}

std::string ViewerProgram()
{
    char self[PATH_MAX] = {};
    if (::readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return "TarnwickDiff.exe";
    return (std::filesystem::path(self).parent_path() / "TarnwickDiff.exe").string();
}

// Runs the program with its output thrown away; its exit status, -1 when it
// could not be started.
int RunQuietly(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    if (::waitpid(pid, &status, 0) < 0 || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

void BM_GnuDiff(benchmark::State& state)
{
    const std::vector<std::string> argv{"diff", Files().Baseline(), Files().Current()};
    for (auto _ : state)
        if (RunQuietly(argv) != 1)   // 1: the files differ
            state.SkipWithError("diff failed");
}

void BM_TarnwickDiffProgramFirstPaint(benchmark::State& state)
{
    const std::vector<std::string> argv{ViewerProgram(), "--first-paint-exit", Files().Baseline(), Files().Current()};
    for (auto _ : state)
        if (RunQuietly(argv) != 0)
            state.SkipWithError("TarnwickDiff.exe failed or was not built");
}

void BM_ViewerWindowFirstPaint(benchmark::State& state)
{
    tarnwickdiff::DiffArguments args;
    args.leftPath = Files().Baseline();
    args.rightPath = Files().Current();
    for (auto _ : state) {
        tarnwickdiff::CDiffWindow window;
        QEventLoop loop;
        QObject::connect(&window, &tarnwickdiff::CDiffWindow::FirstScreenPainted, &loop, &QEventLoop::quit);
        if (!window.Open(args)) {
            state.SkipWithError("the files could not be opened");
            break;
        }
        window.show();
        loop.exec();
    }
}

// The console report plus every repetition's time, for medians.
class MedianReporter : public RunTimeReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        RunTimeReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_times[run.run_name.function_name].push_back(run.real_accumulated_time /
                                                              static_cast<double>(run.iterations));
    }
    // Median seconds per iteration, 0 when the benchmark did not run.
    double Median(const std::string& function) const
    {
        const auto it = m_times.find(function);
        if (it == m_times.end() || it->second.empty())
            return 0;
        std::vector<double> times = it->second;
        std::sort(times.begin(), times.end());
        const std::size_t n = times.size();
        return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    }

private:
    std::map<std::string, std::vector<double>> m_times;
};

} // namespace

BENCHMARK(BM_GnuDiff)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(9)->UseRealTime();
BENCHMARK(BM_TarnwickDiffProgramFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(9)->UseRealTime();
BENCHMARK(BM_ViewerWindowFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(9)->UseRealTime();

int main(int argc, char** argv)
{
    // The three run in turn, repetition by repetition, so that a busy moment
    // of the machine falls on all of them rather than on one.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    if (std::none_of(argv, argv + argc, [](const char* a) { return std::strstr(a, "random_interleaving"); }))
        args.insert(args.begin() + 1, interleave.data());
    argc = static_cast<int>(args.size());
    args.push_back(nullptr);
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);   // also for the program runs
    QApplication app(argc, argv);
    Files();   // written before anything is timed
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double diffMs = reporter.Median("BM_GnuDiff") * 1e3;
    const double programMs = reporter.Median("BM_TarnwickDiffProgramFirstPaint") * 1e3;
    const double windowMs = reporter.Median("BM_ViewerWindowFirstPaint") * 1e3;
    if (diffMs > 0) {
        std::printf("\n%d lines, %d changes. Medians: GNU diff %.1f ms", kLines, kChanges, diffMs);
        if (programMs > 0)
            std::printf(", TarnwickDiff.exe to first screen %.1f ms", programMs);
        if (windowMs > 0)
            std::printf(", viewer window in process %.1f ms", windowMs);
        std::printf("\n");
        if (programMs > 0)
            std::printf("ratio TarnwickDiff.exe/diff = %.2f (target <= 2.00)\n", programMs / diffMs);
        if (windowMs > 0)
            std::printf("ratio viewer window/diff = %.2f (without Qt's process start-up)\n", windowMs / diffMs);
    }
    benchmark::Shutdown();
    return 0;
}

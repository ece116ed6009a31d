// splitFile on a generated 200 MB session log (20,000 pieces over 50 devices)
// against two baselines in the same run: reading the file once
// (`cat FILE > /dev/null`) and an awk script that writes each command's output
// to a file of its own. Prints the ratios and the process's peak RSS.
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/HeapTuning.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kDevices = 50;
constexpr int kPieces = 20000;
constexpr std::size_t kPieceBytes = 10 * 1024;

std::string g_root;
std::string g_log;
std::unique_ptr<TWFileSystem> g_fileSystem;
// A project whose model knows no device: the log is read and cut, nothing is stored.
std::unique_ptr<TWFileSystem> g_emptyProject;
std::vector<double> g_import, g_awk, g_cut, g_cat, g_ratios;

std::string DeviceName(int i) { return "edge-r" + std::to_string(i + 1); }

void AppendBody(std::string& piece, int kind, int n)
{
    char line[160];
    for (int i = 0; piece.size() < kPieceBytes; ++i) {
        const int a = (n + i) % 250 + 1;
        const int b = i % 250 + 1;
        switch (kind) {
        case 0:
            std::snprintf(line, sizeof line, "O        10.%d.%d.0/24 [110/%d] via 10.0.%d.2, 01:02:03, GigabitEthernet0/%d\n",
                          a, b, i % 60 + 2, a, i % 4);
            break;
        case 1:
            std::snprintf(line, sizeof line, "Internet  10.%d.%d.%d  %12d   5254.00%02x.%04x  ARPA   GigabitEthernet0/%d\n",
                          a, b, i % 250 + 1, i % 200, a % 256, i % 65536, i % 4);
            break;
        case 2:
            std::snprintf(line, sizeof line, "  %4d    0050.56%02x.%04x    DYNAMIC     Gi1/0/%d\n", b % 4000 + 1, a % 256,
                          i % 65536, i % 48 + 1);
            break;
        default:
            std::snprintf(line, sizeof line, " --More-- Cisco IOS Software line %d of the running image, build %d\n", i, n);
            break;
        }
        piece += line;
    }
}

void GenerateLog()
{
    std::FILE* out = std::fopen(g_log.c_str(), "wb");
    if (!out)
        std::exit(2);
    const char* commands[] = {"show ip route", "show arp", "show mac-address-table dynamic", "show version"};
    std::string piece;
    for (int n = 0; n < kPieces; ++n) {
        const int kind = n % 5 == 4 ? 3 : n % 5 % 4;
        piece = DeviceName(n % kDevices) + "#" + commands[kind] + "\n";
        AppendBody(piece, kind, n);
        std::fwrite(piece.data(), 1, piece.size(), out);
    }
    std::fclose(out);
}

void SetUpProject()
{
    char pattern[] = "/tmp/bench_split_XXXXXX";
    if (!::mkdtemp(pattern))
        std::exit(2);
    g_root = pattern;
    g_log = g_root + "/capture.log";
    const std::string project = g_root + "/lab";
    TWFileSystem::CreateProject(project, "Bench");
    std::ofstream devices(project + "/Devices.ini");
    for (int i = 0; i < kDevices; ++i)
        devices << "[" << DeviceName(i) << "]\nType=router\nSubType=ios\n";
    devices.close();
    g_fileSystem = std::make_unique<TWFileSystem>(project);
    TWFileSystem::CreateProject(g_root + "/empty", "Empty");
    g_emptyProject = std::make_unique<TWFileSystem>(g_root + "/empty");
    SetCurrBaselineFileSystem(g_fileSystem.get());
    GenerateLog();
}

double Seconds(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Every timed run writes into a new folder of its own and nothing is removed
// until all rounds are done: creating files just after deleting many is far
// slower on ext4 (it skips recently freed inodes), which would favour
// whichever command happened to run after the other's clean-up.
double TimeImport(int round)
{
    const std::string dataFolder = g_fileSystem->GetDataSetsFolder() + "Round " + std::to_string(round) + "/";
    fs::create_directories(dataFolder);
    const auto start = std::chrono::steady_clock::now();
    SplitShowCmds splitter;
    splitter.setDataFolder(dataFolder);
    const int lines = splitter.splitFile(g_log);
    const double seconds = Seconds(start);
    return lines == kPieces ? seconds : -1.0;
}

double TimeCutOnly()
{
    SetCurrBaselineFileSystem(g_emptyProject.get());
    const auto start = std::chrono::steady_clock::now();
    SplitShowCmds splitter;
    splitter.setDataFolder(g_emptyProject->GetDataSetRecent());
    const int lines = splitter.splitFile(g_log);
    const double seconds = Seconds(start);
    SetCurrBaselineFileSystem(g_fileSystem.get());
    return lines == kPieces ? seconds : -1.0;
}

double TimeShell(const std::string& command)
{
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const double seconds = Seconds(start);
    return status == 0 ? seconds : -1.0;
}

double TimeAwk(int round)
{
    const std::string outDir = g_root + "/awk" + std::to_string(round);
    fs::create_directories(outDir);
    return TimeShell("awk -v dir='" + outDir + "' "
                     "'index($0, \"#show \") || index($0, \">show \") { if (out) close(out); n++; out = dir \"/\" n \".txt\" } "
                     "out { print > out }' '" + g_log + "'");
}

// Rounds of import, awk, cutting alone and cat, the first two in turn in
// alternating order, so that drift in the machine's speed hits both alike.
void BM_ImportAgainstAwk(benchmark::State& state)
{
    const int rounds = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int round = 0; round < rounds; ++round) {
            double import = 0;
            double awk = 0;
            if (round % 2 == 0) {
                import = TimeImport(round);
                awk = TimeAwk(round);
            } else {
                awk = TimeAwk(round);
                import = TimeImport(round);
            }
            const double cut = TimeCutOnly();
            const double cat = TimeShell("cat '" + g_log + "' > /dev/null");
            if (import < 0 || awk < 0 || cut < 0 || cat < 0) {
                state.SkipWithError("a run failed");
                return;
            }
            g_import.push_back(import);
            g_awk.push_back(awk);
            g_cut.push_back(cut);
            g_cat.push_back(cat);
            g_ratios.push_back(awk / import);
            std::printf("round %d: import %.3f s, awk %.3f s (awk / import %.2f), cutting alone %.3f s, cat %.3f s\n",
                        round + 1, import, awk, awk / import, cut, cat);
        }
    }
}

} // namespace

BENCHMARK(BM_ImportAgainstAwk)->Arg(5)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // As the workstation and twdata do at start-up.
    platform::KeepLargeBlocksForReuse();
    SetUpProject();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("log: %.1f MB, %d pieces, %d devices, %zu rounds\n", fs::file_size(g_log) / 1048576.0, kPieces,
                kDevices, g_import.size());
    if (!g_import.empty()) {
        std::printf("medians: import %.3f s, awk %.3f s, cutting alone %.3f s, cat %.3f s\n", Median(g_import),
                    Median(g_awk), Median(g_cut), Median(g_cat));
        std::printf("awk / import, median of the rounds: %.2f (target >= 2)\n", Median(g_ratios));
        std::printf("import / cat %.1f, cutting alone / cat %.2f\n", Median(g_import) / Median(g_cat),
                    Median(g_cut) / Median(g_cat));
    }
    std::printf("peak RSS of this process: %.1f MB\n", usage.ru_maxrss / 1024.0);

    SetCurrBaselineFileSystem(nullptr);
    g_fileSystem.reset();
    g_emptyProject.reset();
    fs::remove_all(g_root);
    return 0;
}

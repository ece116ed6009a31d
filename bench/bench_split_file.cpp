// splitFile on a generated 200 MB session log (20,000 pieces over 50 devices)
// against two baselines in the same run: reading the file once
// (`cat FILE > /dev/null`) and an awk script that writes each command's output
// to a file of its own. Prints the ratios and the process's peak RSS.
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/util/TWFileSystem.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

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
double g_seconds[4] = {0, 0, 0, 0};

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

void BM_SplitFile(benchmark::State& state)
{
    for (auto _ : state) {
        fs::remove_all(g_fileSystem->GetDataSetRecent());
        fs::create_directories(g_fileSystem->GetDataSetRecent());
        const auto start = std::chrono::steady_clock::now();
        SplitShowCmds splitter;
        splitter.setDataFolder(g_fileSystem->GetDataSetRecent());
        const int lines = splitter.splitFile(g_log);
        g_seconds[0] = Seconds(start);
        if (lines != kPieces)
            state.SkipWithError("unexpected number of pieces");
    }
}

void BM_SplitOnly(benchmark::State& state)
{
    SetCurrBaselineFileSystem(g_emptyProject.get());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        SplitShowCmds splitter;
        splitter.setDataFolder(g_emptyProject->GetDataSetRecent());
        const int lines = splitter.splitFile(g_log);
        g_seconds[3] = Seconds(start);
        if (lines != kPieces)
            state.SkipWithError("unexpected number of pieces");
    }
    SetCurrBaselineFileSystem(g_fileSystem.get());
}

void BM_Cat(benchmark::State& state)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(("cat '" + g_log + "' > /dev/null").c_str()) != 0)
            state.SkipWithError("cat failed");
        g_seconds[1] = Seconds(start);
    }
}

void BM_AwkSplit(benchmark::State& state)
{
    const std::string outDir = g_root + "/awk";
    for (auto _ : state) {
        fs::remove_all(outDir);
        fs::create_directories(outDir);
        const std::string script =
            "awk -v dir='" + outDir + "' "
            "'index($0, \"#show \") || index($0, \">show \") { if (out) close(out); n++; out = dir \"/\" n \".txt\" } "
            "out { print > out }' '" + g_log + "'";
        const auto start = std::chrono::steady_clock::now();
        if (std::system(script.c_str()) != 0)
            state.SkipWithError("awk failed");
        g_seconds[2] = Seconds(start);
    }
}

} // namespace

BENCHMARK(BM_SplitFile)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitOnly)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cat)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AwkSplit)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    SetUpProject();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("log: %.1f MB, %d pieces, %d devices\n", fs::file_size(g_log) / 1048576.0, kPieces, kDevices);
    std::printf("splitFile %.3f s, cat %.3f s, awk %.3f s\n", g_seconds[0], g_seconds[1], g_seconds[2]);
    if (g_seconds[0] > 0)
        std::printf("splitFile / cat = %.2f, awk / splitFile = %.2f (target >= 2)\n", g_seconds[0] / g_seconds[1],
                    g_seconds[2] / g_seconds[0]);
    std::printf("splitting alone (no device known, nothing stored) %.3f s: / cat = %.2f, awk / it = %.2f\n",
                g_seconds[3], g_seconds[3] / g_seconds[1], g_seconds[2] / g_seconds[3]);
    std::printf("peak RSS of this process: %.1f MB\n", usage.ru_maxrss / 1024.0);

    SetCurrBaselineFileSystem(nullptr);
    g_fileSystem.reset();
    g_emptyProject.reset();
    fs::remove_all(g_root);
    return 0;
}

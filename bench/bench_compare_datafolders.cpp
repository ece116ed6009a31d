// Compares two DataFolders of 200 devices holding every kind of data (a
// configuration, route, ARP, MAC, CDP and interface tables and six show
// command results per device; one device in ten changed), and times
// diff -rq on the same two folders as the baseline: it reads the same bytes
// but says only which files differ.
// Run: bench_compare_datafolders [--benchmark_...]; the ratio is printed at the end.
#include "bench/support/RunTimeReporter.h"
#include "bench/support/TempBenchFolder.h"
#include "host/compare/DataFolderComparer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <string>

namespace {

constexpr int kDevices = 200;
constexpr const char* kCommands[] = {"show version", "show clock", "show ip interface brief", "show inventory",
                                     "show processes cpu", "show logging"};

std::string Config(int device, bool changed)
{
    std::string text = "hostname dev" + std::to_string(device) + "\r\n!\r\n";
    for (int i = 0; i < 48; ++i) {
        text += "interface GigabitEthernet0/" + std::to_string(i) + "\r\n description link " +
                std::to_string(i) + "\r\n ip address 10." + std::to_string(device % 250) + "." + std::to_string(i) +
                ".1 255.255.255.0\r\n";
        if (changed && i == 7)
            text += " ip ospf cost 20\r\n";
        text += " no shutdown\r\n!\r\n";
    }
    return text;
}

std::string Table(const char* header, int rows, int device, bool changed, int columns)
{
    std::string text = std::string(header) + "\r\n";
    for (int r = 0; r < rows; ++r) {
        if (changed && r == 3)
            continue;
        for (int c = 0; c < columns; ++c)
            text += (c ? "\t" : "") + std::to_string(device) + "-" + std::to_string(r) + "-" + std::to_string(c);
        text += "\r\n";
    }
    return text;
}

void Write(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        std::abort();
    std::fclose(file);
}

void Fill(const std::string& root, bool second)
{
    for (int d = 0; d < kDevices; ++d) {
        const std::string dev = "dev" + std::to_string(d);
        const bool changed = second && d % 10 == 0;
        Write(root + "/LiveConfig/" + dev + ".config", Config(d, changed));
        Write(root + "/LiveRouteTable/" + dev + ".ort",
              Table("protocol\tvrf\tnetwork\tprefix_length\tdistance\tmetric\tnexthop_ip\tnexthop_if\tuptime", 500, d,
                    changed, 9));
        Write(root + "/LiveArpTable/" + dev + ".oat", Table("protocol\taddress\tage\tmac\ttype\tinterface", 200, d,
                                                            changed, 6));
        Write(root + "/LiveMacTable/" + dev + ".omt", Table("vlan\tmac\ttype\tports", 300, d, changed, 4));
        Write(root + "/LiveCdpTable/" + dev + ".cdp",
              Table("local_interface\tdestination_host\tremote_port\tmanagement_ip\tplatform", 10, d, changed, 5));
        Write(root + "/LiveInterface/" + dev + ".inte", Table("index\tinterface\tmac_address", 50, d, changed, 3));
        for (const char* command : kCommands)
            Write(root + "/ShowCommand/" + dev + "$" + command + "$2026-11-20 09-00-00.000.txt",
                  Config(d, changed && command[5] == 'v').substr(0, 4000));
    }
}

struct Folders {
    Folders() : tmp("comparefolders")
    {
        Fill(tmp.Path() + "/A", false);
        Fill(tmp.Path() + "/B", true);
    }
    TempBenchFolder tmp;
};

Folders& Data()
{
    static Folders folders;
    return folders;
}

void BM_CompareDataFolders(benchmark::State& state)
{
    const std::string root = Data().tmp.Path();
    std::size_t entries = 0;
    for (auto _ : state) {
        CDataFolderComparer comparer(root + "/A", "", root + "/B", "");
        DataFolderReport report;
        std::string error;
        if (!comparer.Compare(report, error))
            state.SkipWithError(error.c_str());
        entries = report.entries.size();
        benchmark::DoNotOptimize(report.entries.data());
    }
    state.counters["entries"] = static_cast<double>(entries);
}

void BM_DiffRq(benchmark::State& state)
{
    const std::string root = Data().tmp.Path();
    const std::string command = "diff -rq '" + root + "/A' '" + root + "/B' > /dev/null";
    for (auto _ : state) {
        const int rc = std::system(command.c_str());
        benchmark::DoNotOptimize(rc);
        // diff says 1: the folders differ, as they do.
        if (!WIFEXITED(rc) || WEXITSTATUS(rc) != 1)
            state.SkipWithError("diff -rq failed");
    }
}

} // namespace

BENCHMARK(BM_CompareDataFolders)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_DiffRq)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Data();   // write both DataFolders before anything is timed
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.Seconds("BM_CompareDataFolders");
    const double diff = reporter.Seconds("BM_DiffRq");
    if (ours > 0 && diff > 0)
        std::printf("\nDataFolder comparison %.2f ms, diff -rq %.2f ms: ratio ours/diff = %.2f (target < 3.00)\n",
                    ours * 1e3, diff * 1e3, ours / diff);
    benchmark::Shutdown();
    return 0;
}

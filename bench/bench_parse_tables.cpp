// Route and MAC table parsing on ~100 MB of generated device output each,
// against the scan limit measured in the same run: `grep -c . FILE` on the
// same file (wall clock). Each file is a concatenation of per-device outputs;
// every piece goes through the calls the session-log import makes
// (RoutingTable::ParseCmdString + SaveRTData, CCiscoSwitchObj::ParseMacTable),
// so the figure includes the table file each piece writes (held in a write
// batch and written once per run, as the import does).
// Prints MB/s of both and the ratio (target: route >= 100 MB/s and at most
// 5x the grep time).
// Also whole processes on one large table each (a 5 MB IOS route table, a
// 3.7 MB IOS MAC table): `twdata parse` against Debian's python3-textfsm with
// the public templates in ../shared/fixtures/textfsm (target: at least 30x);
// skipped when python3-textfsm is missing (scripts/install-deps.sh --bench).
// Run: bench_parse_tables [--benchmark_...]
#include "bench/support/RunTimeReporter.h"
#include "host/l2/CCiscoSwitchObj.h"
#include "host/netutil/RoutingTable.h"
#include "host/util/FileWriteBatch.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/HeapTuning.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileBytes = 100u << 20;
constexpr int kCliCaptureSource = 1021;

const char* const kIosLegend =
    "Codes: L - local, C - connected, S - static, R - RIP, M - mobile, B - BGP\n"
    "       D - EIGRP, EX - EIGRP external, O - OSPF, IA - OSPF inter area \n"
    "       N1 - OSPF NSSA external type 1, N2 - OSPF NSSA external type 2\n"
    "       E1 - OSPF external type 1, E2 - OSPF external type 2\n"
    "       i - IS-IS, su - IS-IS summary, L1 - IS-IS level-1, L2 - IS-IS level-2\n"
    "       ia - IS-IS inter area, * - candidate default, U - per-user static route\n"
    "       o - ODR, P - periodic downloaded static route, H - NHRP, l - LISP\n"
    "       a - application route\n"
    "       + - replicated route, % - next hop override, p - overrides from PfR\n\n";

const char* const kInterfaces[] = {"GigabitEthernet0/0/1", "GigabitEthernet0/0/2", "TenGigabitEthernet1/0/1",
                                   "Port-channel10",       "Vlan120",              "Tunnel5"};
const char* const kUptimes[] = {"00:12:41", "3d04h", "1w2d", "5w6d", "2y10w", "23:59:07"};

// One device's output: the pieces the import hands to a parser one at a time.
struct Piece {
    std::string device;
    std::size_t offset;
    std::size_t size;
};

class Appender {
public:
    explicit Appender(std::string& text) : m_text(text) {}
    template <typename... Args>
    void operator()(const char* format, Args... args)
    {
        char line[256];
        const int n = std::snprintf(line, sizeof line, format, args...);
        m_text.append(line, static_cast<std::size_t>(n));
    }

private:
    std::string& m_text;
};

// IOS "show ip route": legend, default route, subnetted headers with and
// without masks, ECMP continuation lines, long networks wrapped onto the next
// line, a VRF section; about `bytes` long.
void AppendIosRoutes(std::string& text, unsigned seed, std::size_t bytes)
{
    Appender add(text);
    const std::size_t end = text.size() + bytes;
    text += kIosLegend;
    add("Gateway of last resort is 10.%u.0.1 to network 0.0.0.0\n\n", seed % 250);
    add("S*    0.0.0.0/0 [1/0] via 10.%u.0.1\n", seed % 250);
    for (unsigned block = 0; text.size() < end; ++block) {
        const unsigned a = (seed + block) % 223 + 1;
        if (block % 7 == 6) {
            add("\nRouting Table: CUST-%u\n", block % 40);
            text += kIosLegend;
            text += "Gateway of last resort is not set\n\n";
        }
        if (block % 3 == 0) {
            add("      %u.0.0.0/8 is variably subnetted, 240 subnets, 3 masks\n", a);
        } else {
            add("     %u.%u.0.0 255.255.255.0 is subnetted, 240 subnets\n", a, block % 256);
        }
        for (unsigned i = 0; i < 240 && text.size() < end; ++i) {
            const unsigned b = block % 256, c = i;
            const char* ifName = kInterfaces[(i + block) % 6];
            const char* uptime = kUptimes[(i * 7 + block) % 6];
            switch (i % 10) {
            case 0:
                add("C        %u.%u.%u.0/24 is directly connected, %s\n", a, b, c, ifName);
                add("L        %u.%u.%u.1/32 is directly connected, %s\n", a, b, c, ifName);
                break;
            case 1:
            case 2:
                add("O        %u.%u.%u.0/24 [110/%u] via 10.%u.%u.2, %s, %s\n", a, b, c, i + 2, b, c, uptime,
                    ifName);
                break;
            case 3: // ECMP
                add("O E2     %u.%u.%u.0/24 [110/20] via 10.%u.%u.2, %s, %s\n", a, b, c, b, c, uptime, ifName);
                add("                    [110/20] via 10.%u.%u.6, %s, %s\n", b, c, uptime, kInterfaces[(i + 1) % 6]);
                add("                    [110/20] via 10.%u.%u.10, %s, %s\n", b, c, uptime,
                    kInterfaces[(i + 2) % 6]);
                break;
            case 4: // wrapped network line
                add("D EX     %u.%u.%u.128/25 \n", a, b, c);
                add("           [170/2816] via 10.%u.%u.3, %s, %s\n", b, c, uptime, ifName);
                break;
            case 5:
                add("B        %u.%u.%u.0/24 [20/0] via 192.0.2.%u, %s\n", a, b, c, i % 250 + 1, uptime);
                break;
            case 6:
                add("D        %u.%u.%u.0 [90/3072] via 10.%u.%u.9, %s, %s\n", a, b, c, b, c, uptime, ifName);
                break;
            case 7:
                add("S        %u.%u.%u.0/24 [1/0] via 10.%u.%u.1\n", a, b, c, b, c);
                add("                    is directly connected, %s\n", ifName);
                break;
            case 8:
                add("i L2     %u.%u.%u.0/24 [115/20] via 10.%u.%u.4, %s, %s\n", a, b, c, b, c, uptime, ifName);
                break;
            default:
                add("O IA     %u.%u.%u.0/24 [110/%u] via 10.%u.%u.2, %s, %s\n", a, b, c, i * 3, b, c, uptime,
                    ifName);
                break;
            }
        }
    }
}

// NX-OS "show ip route": prefix lines with their via lines below.
void AppendNxosRoutes(std::string& text, unsigned seed, std::size_t bytes)
{
    Appender add(text);
    const std::size_t end = text.size() + bytes;
    add("IP Route Table for VRF \"%s\"\n", seed % 2 ? "default" : "management");
    text += "'*' denotes best ucast next-hop\n'**' denotes best mcast next-hop\n"
            "'[x/y]' denotes [preference/metric]\n'%<string>' in via output denotes VRF <string>\n\n";
    for (unsigned i = 0; text.size() < end; ++i) {
        const unsigned a = (seed + i / 65536) % 223 + 1, b = (i >> 8) & 255, c = i & 255;
        const char* uptime = kUptimes[i % 6];
        switch (i % 4) {
        case 0:
            add("%u.%u.%u.0/24, ubest/mbest: 2/0\n", a, b, c);
            add("    *via 10.24.%u.74, Eth1/%u, [110/41], %s, ospf-10, intra\n", b, c % 48 + 1, uptime);
            add("    *via 10.24.%u.76, Eth1/%u, [110/41], %s, ospf-10, intra\n", b, c % 48 + 2, uptime);
            break;
        case 1:
            add("%u.%u.%u.1/32, ubest/mbest: 2/0, attached\n", a, b, c);
            add("    *via %u.%u.%u.1, Vlan%u, [0/0], %s, local\n", a, b, c, c + 1, uptime);
            add("    *via %u.%u.%u.1, Vlan%u, [0/0], %s, direct\n", a, b, c, c + 1, uptime);
            break;
        case 2:
            add("%u.%u.%u.0/24, ubest/mbest: 1/0\n", a, b, c);
            add("    *via 10.24.%u.154, Eth2/11, [170/51712], %s, eigrp-NAMED, external, tag 65422\n", b, uptime);
            break;
        default:
            add("%u.%u.%u.0/24, ubest/mbest: 1/0, pending\n", a, b, c);
            add("    *via 10.66.%u.1%%management, [1/0], %s, static, tag 100\n", b, uptime);
            break;
        }
    }
}

// IOS "show mac address-table" of a Catalyst access switch.
void AppendIosMac(std::string& text, unsigned seed, std::size_t bytes)
{
    Appender add(text);
    const std::size_t end = text.size() + bytes;
    text += "          Mac Address Table\n-------------------------------------------\n\n"
            "Vlan    Mac Address       Type        Ports\n----    -----------       --------    -----\n";
    for (unsigned i = 0; text.size() < end; ++i)
        add(" %4u    %04x.%04x.%04x    %s     Gi%u/0/%u\n", i % 4000 + 1, seed & 0xffff, i >> 16, i & 0xffff,
            i % 5 ? "DYNAMIC" : "STATIC ", i % 8 + 1, i % 48 + 1);
    add("Total Mac Addresses for this criterion: %u\n", seed);
}

// Catalyst 6500 layout: legend, flag column, learn/age columns, port lists
// that go on in continuation lines.
void AppendCatMac(std::string& text, unsigned seed, std::size_t bytes)
{
    Appender add(text);
    const std::size_t end = text.size() + bytes;
    text += "Legend: * - primary entry\n        age - seconds since last seen\n        n/a - not available\n\n"
            "  vlan   mac address     type    learn     age              ports\n"
            "------+----------------+--------+-----+----------+--------------------------\n";
    for (unsigned i = 0; text.size() < end; ++i) {
        if (i % 50 == 0) {
            add("*  %u  3333.%04x.%04x    static  Yes          -   Gi1/3,Gi1/6,Gi1/45,Gi1/46,Gi1/47\n",
                i % 4000 + 1, seed & 0xffff, i & 0xffff);
            text += "                                                   Gi1/48,Gi2/2,Gi2/45,Gi2/46\n"
                    "                                                   Gi9/45,Gi9/48,Router,Switch\n";
        } else {
            add("*  %u  %04x.%04x.%04x   dynamic  Yes        %3u   Gi%u/%u\n", i % 4000 + 1, seed & 0xffff,
                i >> 16, i & 0xffff, i % 300, i % 9 + 1, i % 48 + 1);
        }
    }
}

// NX-OS "show mac address-table".
void AppendNxosMac(std::string& text, unsigned seed, std::size_t bytes)
{
    Appender add(text);
    const std::size_t end = text.size() + bytes;
    text += "Legend:\n        * - primary entry, G - Gateway MAC, (R) - Routed MAC, O - Overlay MAC\n"
            "        age - seconds since last seen,+ - primary entry using vPC Peer-Link,\n"
            "        (T) - True, (F) - False\n"
            "     VLAN       MAC Address       Type     age    Secure  NTFY     Ports\n"
            "------------+-----------------+----------+-------+------+------+------------------\n";
    for (unsigned i = 0; text.size() < end; ++i)
        add("*    %u        %04x.%04x.%04x   dynamic     %u        F      F    %s%u/%u\n", i % 4000 + 1,
            seed & 0xffff, i >> 16, i & 0xffff, i % 1000, i % 7 ? "Eth" : "Po", i % 4 + 1, i % 48 + 1);
}

using Generator = void (*)(std::string&, unsigned, std::size_t);

// Pieces of 0.5 to 1.5 MB from the generators in turn, each behind the
// prompt line the device printed it under (which every parser skips).
std::vector<Piece> Generate(const std::string& path, const std::vector<Generator>& generators,
                            const char* command)
{
    std::string text;
    text.reserve(kFileBytes + (2u << 20));
    std::vector<Piece> pieces;
    for (unsigned n = 0; text.size() < kFileBytes; ++n) {
        Piece piece;
        piece.device = "core-r" + std::to_string(n % 60 + 1);
        text += piece.device + "#" + command + "\n";
        piece.offset = text.size();
        generators[n % generators.size()](text, n * 7919u, (512u << 10) + (n * 104729u) % (1u << 20));
        piece.size = text.size() - piece.offset;
        pieces.push_back(std::move(piece));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        std::abort();
    return pieces;
}

class BenchFiles {
public:
    BenchFiles()
    {
        char pattern[] = "/tmp/tw-bench-parsetables-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        m_folder = std::string(pattern) + "/";
        m_dataFolder = m_folder + "Bench/";
        fs::create_directories(m_dataFolder);
        m_routePieces = Generate(RouteLog(), {AppendIosRoutes, AppendIosRoutes, AppendNxosRoutes}, "show ip route");
        m_macPieces = Generate(MacLog(), {AppendIosMac, AppendCatMac, AppendNxosMac}, "show mac address-table");
    }
    ~BenchFiles()
    {
        // TW_BENCH_KEEP keeps the logs, e.g. to compare table files of two builds.
        if (std::getenv("TW_BENCH_KEEP")) {
            std::printf("logs kept in %s\n", m_folder.c_str());
            return;
        }
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    std::string RouteLog() const { return m_folder + "routes.log"; }
    std::string MacLog() const { return m_folder + "macs.log"; }
    const std::string& DataFolder() const { return m_dataFolder; }
    const std::vector<Piece>& RoutePieces() const { return m_routePieces; }
    const std::vector<Piece>& MacPieces() const { return m_macPieces; }

private:
    std::string m_folder;
    std::string m_dataFolder;
    std::vector<Piece> m_routePieces;
    std::vector<Piece> m_macPieces;
};

BenchFiles& Files()
{
    static BenchFiles files;
    return files;
}

// Into a buffer the caller keeps, as grep reads into one buffer.
void ReadAll(const std::string& path, std::string& text)
{
    text.resize(fs::file_size(path));
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in || std::fread(text.data(), 1, text.size(), in) != text.size())
        std::abort();
    std::fclose(in);
}

// Seconds per run, kept for the summary.
std::map<std::string, double> g_bytes;

void Record(benchmark::State& state, const std::string& key, double bytes)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(static_cast<double>(state.iterations()) * bytes));
    g_bytes[key] = bytes;
}

// Reads the log and runs every piece through the import's route calls.
void BM_RouteParseAndWrite(benchmark::State& state)
{
    const BenchFiles& files = Files();
    const std::string folder = TWFileSystem::GetLiveRoutingTableFolder(files.DataFolder());
    fs::create_directories(folder);
    std::size_t routes = 0;
    std::string log, output;
    for (auto _ : state) {
        ReadAll(files.RouteLog(), log);
        routes = 0;
        FileWriteBatch batch; // as the import holds its table files
        for (const Piece& piece : files.RoutePieces()) {
            RoutingTable table(piece.device);
            output.assign(log, piece.offset, piece.size);
            table.ParseCmdString(output);
            if (!table.SaveRTData(folder + piece.device + ".ort"))
                state.SkipWithError("route table not written");
            routes += table.RouteCount();
        }
        if (!batch.Flush())
            state.SkipWithError("route tables not written");
    }
    state.counters["routes"] = static_cast<double>(routes);
    Record(state, "route", static_cast<double>(log.size()));
}

// The same without the table files, to show what parsing alone costs.
void BM_RouteParseOnly(benchmark::State& state)
{
    const BenchFiles& files = Files();
    std::string log, output;
    ReadAll(files.RouteLog(), log);
    for (auto _ : state) {
        for (const Piece& piece : files.RoutePieces()) {
            RoutingTable table(piece.device);
            output.assign(log, piece.offset, piece.size);
            table.ParseCmdString(output);
            benchmark::DoNotOptimize(table.RouteCount());
        }
    }
    Record(state, "route-parse", static_cast<double>(log.size()));
}

void BM_MacParseAndWrite(benchmark::State& state)
{
    const BenchFiles& files = Files();
    std::string log;
    for (auto _ : state) {
        ReadAll(files.MacLog(), log);
        FileWriteBatch batch;
        for (const Piece& piece : files.MacPieces())
            if (!CCiscoSwitchObj::ParseMacTable(piece.device, kCliCaptureSource, files.DataFolder(),
                                                log.substr(piece.offset, piece.size), ""))
                state.SkipWithError("MAC table not written");
        if (!batch.Flush())
            state.SkipWithError("MAC tables not written");
    }
    Record(state, "mac", static_cast<double>(log.size()));
}

double ChildrenCpuSeconds()
{
    struct rusage usage {};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall clock of the whole command; grep's own CPU time is shown beside it,
// since on a shared machine the wall clock of a short run varies.
void GrepCount(benchmark::State& state, const std::string& path, const std::string& key)
{
    const std::string command = "grep -c . '" + path + "' > /dev/null";
    const double cpuBefore = ChildrenCpuSeconds();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("grep failed");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["grep_cpu_ms"] =
        (ChildrenCpuSeconds() - cpuBefore) * 1e3 / static_cast<double>(state.iterations());
    Record(state, key, static_cast<double>(fs::file_size(path)));
}

// One device's table for the whole-process runs, in the bench folder.
std::string OneTable(const char* name, Generator generator, std::size_t bytes)
{
    static std::map<std::string, std::string> made;
    std::string& path = made[name];
    if (path.empty()) {
        std::string text;
        generator(text, 7919u, bytes);
        path = Files().DataFolder() + name;
        std::ofstream out(path, std::ios::binary);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out)
            std::abort();
    }
    return path;
}

std::string RouteTable() { return OneTable("route.txt", AppendIosRoutes, 5u << 20); }
std::string MacTable() { return OneTable("mac.txt", AppendIosMac, 3700u << 10); }

// twdata sits beside the benchmark programs.
std::string Twdata()
{
    char self[4096] = {};
    if (::readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return "twdata";
    return (fs::path(self).parent_path() / "twdata").string();
}

bool HasTextFsm()
{
    static const bool has = std::system("/usr/bin/python3 -c 'import textfsm' > /dev/null 2>&1") == 0;
    return has;
}

// CPU seconds per run of each whole-process benchmark: on a shared machine
// the wall clock of one run says more about the others' load than about it.
std::map<std::string, double> g_childCpu;

// Wall clock of a whole command, its table printed to /dev/null.
void WholeProcess(benchmark::State& state, const char* function, const std::string& command)
{
    const double cpuBefore = ChildrenCpuSeconds();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system((command + " > /dev/null 2>&1").c_str()) != 0)
            state.SkipWithError(("failed: " + command).c_str());
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    g_childCpu[function] = (ChildrenCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations());
    state.counters["cpu_ms"] = g_childCpu[function] * 1e3;
}

void TextFsm(benchmark::State& state, const char* function, const char* templateName, const std::string& table)
{
    if (!HasTextFsm()) {
        state.SkipWithError("python3-textfsm is missing (scripts/install-deps.sh --bench installs it)");
        return;
    }
    WholeProcess(state, function, "/usr/bin/python3 -c 'import sys, textfsm; "
                        "rows = textfsm.TextFSM(open(sys.argv[1])).ParseText(open(sys.argv[2]).read()); "
                        "sys.stdout.write(\"\".join(\"\\t\".join(map(str, r)) + \"\\n\" for r in rows))' '" +
                            std::string(TW_TEXTFSM_DIR) + "/" + templateName + "' '" + table + "'");
}

void BM_TwdataParseRoute(benchmark::State& state)
{
    WholeProcess(state, "BM_TwdataParseRoute", Twdata() + " parse route '" + RouteTable() + "'");
}
void BM_TextFsmRoute(benchmark::State& state)
{
    TextFsm(state, "BM_TextFsmRoute", "cisco_ios_show_ip_route.textfsm", RouteTable());
}
void BM_TwdataParseMac(benchmark::State& state)
{
    WholeProcess(state, "BM_TwdataParseMac", Twdata() + " parse mac '" + MacTable() + "'");
}
void BM_TextFsmMac(benchmark::State& state)
{
    TextFsm(state, "BM_TextFsmMac", "cisco_ios_show_mac-address-table.textfsm", MacTable());
}

void BM_GrepRoute(benchmark::State& state) { GrepCount(state, Files().RouteLog(), "grep-route"); }
void BM_GrepMac(benchmark::State& state) { GrepCount(state, Files().MacLog(), "grep-mac"); }

// ours and grep: benchmark function and its bytes' key.
void PrintRatio(const RunTimeReporter& times, const char* what, const std::pair<const char*, const char*>& ours,
                const std::pair<const char*, const char*>& grep, const char* target)
{
    const double oursSeconds = times.Seconds(ours.first);
    const double grepSeconds = times.Seconds(grep.first);
    if (oursSeconds <= 0 || grepSeconds <= 0)
        return;
    const auto mbps = [](const char* key, double seconds) { return g_bytes[key] / (1 << 20) / seconds; };
    std::printf("%-28s %8.1f MB/s   grep -c . %8.1f MB/s   parse time / grep time %5.2fx %s\n", what,
                mbps(ours.second, oursSeconds), mbps(grep.second, grepSeconds), oursSeconds / grepSeconds, target);
}

} // namespace

BENCHMARK(BM_RouteParseAndWrite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_RouteParseOnly)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_GrepRoute)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_MacParseAndWrite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_GrepMac)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_TwdataParseRoute)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_TextFsmRoute)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_TwdataParseMac)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_TextFsmMac)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

int main(int argc, char** argv)
{
    // As the workstation and twdata do at start-up.
    platform::KeepLargeBlocksForReuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Files(); // generate before anything is timed
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    const std::pair<const char*, const char*> grepRoute{"BM_GrepRoute", "grep-route"};
    PrintRatio(reporter, "route parse + table file", {"BM_RouteParseAndWrite", "route"}, grepRoute,
               "(target >= 100 MB/s, <= 5x)");
    PrintRatio(reporter, "route parse only", {"BM_RouteParseOnly", "route-parse"}, grepRoute, "");
    PrintRatio(reporter, "MAC parse + table file", {"BM_MacParseAndWrite", "mac"}, {"BM_GrepMac", "grep-mac"}, "");
    for (const auto& [what, ours, theirs] : {std::tuple{"route", "BM_TwdataParseRoute", "BM_TextFsmRoute"},
                                             std::tuple{"MAC", "BM_TwdataParseMac", "BM_TextFsmMac"}}) {
        const double oursSeconds = reporter.Seconds(ours);
        const double theirSeconds = reporter.Seconds(theirs);
        const auto cpu = [](const char* function) { return g_childCpu[function]; };
        if (oursSeconds > 0 && theirSeconds > 0 && cpu(ours) > 0)
            std::printf("twdata parse %-5s wall %7.1f ms, cpu %7.1f ms   python3-textfsm wall %7.1f ms, cpu %7.1f ms"
                        "   textfsm / twdata: wall %5.1fx, cpu %5.1fx (target >= 30x)\n",
                        what, oursSeconds * 1e3, cpu(ours) * 1e3, theirSeconds * 1e3, cpu(theirs) * 1e3,
                        theirSeconds / oursSeconds, cpu(theirs) / cpu(ours));
    }
    benchmark::Shutdown();
    return 0;
}

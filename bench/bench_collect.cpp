// Five commands from 50 emulated devices behind a real OpenSSH server on
// loopback, collected by live access (8 sessions at a time, saved through the
// import's path) against the shell loops an engineer would write, in the same
// run: OpenSSH's ssh once per device and command, one after the other, and
// the same under `xargs -P 8`. Each emulated device takes 50 ms per answer,
// as a real one does. Prints both ratios.
#include "guidataset/showcmd/core/LiveDataSaver.h"
#include "host/liveaccess/CLiveCollector.h"
#include "host/util/TWFileSystem.h"
#include "support/SshTestServer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kDevices = 50;
const std::vector<std::string> kCommands{"show ip route", "show arp", "show mac-address-table dynamic",
                                         "show cdp neighbors detail", "show interfaces"};

std::unique_ptr<twtest::SshTestServer> g_server;
std::unique_ptr<twtest::TempDir> g_dir;
std::unique_ptr<TWFileSystem> g_project;
std::string g_skip;
double g_ours = 0, g_sequential = 0, g_parallel = 0;

std::string Device(int i) { return "edge" + std::to_string(i + 1); }

void SetUp()
{
    g_server = std::make_unique<twtest::SshTestServer>();
    std::vector<twtest::EmulatedDevice> devices;
    for (int i = 0; i < kDevices; ++i)
        devices.push_back({Device(i), "IOS", "delay=50", "*"});
    g_skip = g_server->Start(devices);
    if (!g_skip.empty())
        return;
    g_dir = std::make_unique<twtest::TempDir>();
    const std::string project = *g_dir / "lab";
    TWFileSystem::CreateProject(project, "Lab");
    std::string ini;
    std::ofstream known(g_server->KnownHostsFile());
    std::ofstream jobs(*g_dir / "jobs.txt");
    for (int i = 0; i < kDevices; ++i) {
        const int port = g_server->Port(Device(i));
        ini += "[" + Device(i) + "]\nType=router\nSubType=ios\nAddress=127.0.0.1\nPort=" + std::to_string(port) + "\n";
        known << g_server->KnownHostsLine(Device(i));
        for (std::size_t c = 0; c < kCommands.size(); ++c)
            jobs << port << " " << c << " " << kCommands[c] << "\n";
    }
    twtest::WriteBytes(project + "/Devices.ini", ini);
    g_project = std::make_unique<TWFileSystem>(project);
    SetCurrBaselineFileSystem(g_project.get());
    // The engineer's script: one ssh per device and command, output to a file.
    twtest::WriteBytes(*g_dir / "one.sh",
                       "#!/bin/sh\nport=$1; n=$2; shift 2\nssh -q -i " + g_server->ClientKey() +
                           " -o BatchMode=yes -o UserKnownHostsFile=" + g_server->KnownHostsFile() +
                           " -p $port 127.0.0.1 \"$*\" > " + *g_dir / "out" + "/$port-$n.txt\n");
    std::system(("mkdir -p " + *g_dir / "out" + " && chmod +x " + *g_dir / "one.sh").c_str());
}

// The shell loops' answers, so a loop whose ssh failed fast cannot pass for a quick one.
int AnsweredFiles()
{
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(*g_dir / "out", error))
        count += entry.is_regular_file() && entry.file_size() > 0 ? 1 : 0;
    return count;
}

void ClearAnswers()
{
    std::error_code error;
    std::filesystem::remove_all(*g_dir / "out", error);
    std::filesystem::create_directories(*g_dir / "out", error);
}

double Seconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LiveAccessCollect(benchmark::State& state)
{
    if (!g_skip.empty()) {
        state.SkipWithError(("no test SSH server: " + g_skip).c_str());
        return;
    }
    for (auto _ : state) {
        std::vector<CollectJob> jobs;
        for (int i = 0; i < kDevices; ++i) {
            CollectJob job;
            job.access.device = Device(i);
            job.access.address = "127.0.0.1";
            job.access.port = g_server->Port(Device(i));
            job.commands = kCommands;
            jobs.push_back(job);
        }
        CLiveCollector::Options options;
        options.knownHostsFile = g_server->KnownHostsFile();
        options.identityFiles = {g_server->ClientKey()};
        int succeeded = 0;
        g_ours = Seconds([&] {
            CLiveCollector collector(options);
            CLiveDataSaver saver(g_project->GetDataSetRecent());
            collector.Run(
                jobs,
                [&](const DeviceOutcome& outcome) {
                    saver.Save(outcome);
                    succeeded += outcome.AllSucceeded() ? 1 : 0;
                },
                nullptr, nullptr);
        });
        if (succeeded != kDevices) {
            state.SkipWithError("not every device answered");
            g_ours = 0;
        }
        state.SetIterationTime(g_ours);
    }
}

void BM_SequentialSshLoop(benchmark::State& state)
{
    if (!g_skip.empty()) {
        state.SkipWithError("no test SSH server");
        return;
    }
    for (auto _ : state) {
        ClearAnswers();
        g_sequential = Seconds([] {
            std::system(("while read port n cmd; do " + *g_dir / "one.sh" + " $port $n $cmd < /dev/null; done < " +
                         *g_dir / "jobs.txt")
                            .c_str());
        });
        state.SetIterationTime(g_sequential);
        if (AnsweredFiles() != kDevices * static_cast<int>(kCommands.size())) {
            state.SkipWithError("not every ssh of the loop answered");
            g_sequential = 0;
        }
    }
}

void BM_XargsParallel8(benchmark::State& state)
{
    if (!g_skip.empty()) {
        state.SkipWithError("no test SSH server");
        return;
    }
    for (auto _ : state) {
        ClearAnswers();
        g_parallel = Seconds([] {
            std::system(("xargs -P 8 -L 1 " + *g_dir / "one.sh" + " < " + *g_dir / "jobs.txt").c_str());
        });
        state.SetIterationTime(g_parallel);
        if (AnsweredFiles() != kDevices * static_cast<int>(kCommands.size())) {
            state.SkipWithError("not every ssh of the loop answered");
            g_parallel = 0;
        }
    }
}

BENCHMARK(BM_LiveAccessCollect)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SequentialSshLoop)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XargsParallel8)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    SetUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_ours > 0 && g_sequential > 0 && g_parallel > 0)
        std::printf("live access %.2f s; sequential ssh loop %.2f s (%.1fx slower); xargs -P 8 %.2f s (%.1fx slower)\n",
                    g_ours, g_sequential, g_sequential / g_ours, g_parallel, g_parallel / g_ours);
    SetCurrBaselineFileSystem(nullptr);
    g_server.reset();
    return 0;
}

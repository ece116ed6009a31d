// The show-command results browser on a large DataFolder, each against a
// baseline timed in the same run:
// - the device list of a show-command folder of 20,000 results (200 devices,
//   100 commands each) against the bare listing of that folder
//   (platform::FindFiles), and one device's command list against the listing
//   of that device's results;
// - Find in a 50 MB result (the text the browser keeps, the match selected)
//   against `grep -c -i` of the same keyword on the same file, run as a
//   subprocess; and once the whole Find in the editor, scrolling included;
// - opening the 50 MB result in a new browser until its first page is painted,
//   against the same grep.
// Run: bench_results_browser [--benchmark_...]; the ratios are printed at the end.
#include "bench/support/BenchFolder.h"
#include "bench/support/FindFilesBaseline.h"
#include "bench/support/RunTimeReporter.h"
#include "guidataset/showcmd/CResultNameListModel.h"
#include "guidataset/showcmd/CShowCommandResultsDlg.h"
#include "guidataset/showcmd/core/ResultTextSearch.h"
#include "guidataset/showcmd/core/ShowCommandResultNames.h"
#include "host/guiutil/CSerialEdit.h"
#include "host/util/CFileName.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kDevices = 200;
constexpr int kCommands = 100;
constexpr std::size_t kResultBytes = 50u << 20;
constexpr const char* kChosenDevice = "dist-sw117";
constexpr const char* kKeyword = "Tunnel4711";   // once, near the end of the big result

class BenchResults : public BenchFolder {
public:
    BenchResults() : BenchFolder("tw-bench-results")
    {
        std::filesystem::create_directories(Folder());
        for (int d = 0; d < kDevices; ++d) {
            const std::string device = (d % 2 ? "dist-sw" : "core-r") + std::to_string(d);
            for (int c = 0; c < kCommands; ++c) {
                const std::string command = "show command " + std::to_string(c);
                const std::string time = "2026-11-" + std::to_string(10 + c % 20) + " 10-00-00.000";
                CreateEmptyFile(Folder() + CFileName::ToShowCommandResultFileName(device, command, time, "txt"));
            }
        }
        // A route table of many routes, as a big core router prints it.
        std::filesystem::create_directories(Path() + "/Big/ShowCommand");
        std::ofstream big(BigResult(), std::ios::binary);
        std::string line;
        std::size_t written = 0;
        for (int i = 0; written < kResultBytes; ++i) {
            line = "O E2     10." + std::to_string(i / 65536 % 256) + "." + std::to_string(i / 256 % 256) + "." +
                   std::to_string(i % 256) + "/32 [110/20] via 192.168.1.2, 3d04h, GigabitEthernet0/" +
                   std::to_string(i % 48) + "\r\n";
            if (written + line.size() >= kResultBytes - 200 && written < kResultBytes - 200)
                line += std::string("S*     0.0.0.0/0 is directly connected, ") + kKeyword + "\r\n";
            big << line;
            written += line.size();
        }
    }
    std::string Folder() const { return Path() + "/ShowCommand/"; }
    std::string BigResult() const
    {
        return Path() + "/Big/ShowCommand/" +
               CFileName::ToShowCommandResultFileName("core-r1", "show ip route", "2026-11-20 10-00-00.000", "txt");
    }
};

BenchResults& Results()
{
    static BenchResults results;
    return results;
}

void BM_FindFiles(benchmark::State& state)
{
    RunFindFilesBaseline(state, Results().Folder() + "*");
}

void BM_DeviceList(benchmark::State& state)
{
    CResultNameListModel model("Device");
    for (auto _ : state) {
        CShowCommandResultsDlg::FillDeviceList(model, Results().Folder(), nullptr);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}

void BM_FindFilesOfDevice(benchmark::State& state)
{
    RunFindFilesBaseline(state, Results().Folder() + CFileName::ToShowCommandFilter(kChosenDevice) + "*.txt");
}

void BM_CommandList(benchmark::State& state)
{
    CResultNameListModel model("Command");
    for (auto _ : state) {
        model.SetRows(ListShowCommandCommands(Results().Folder(), kChosenDevice, std::string()));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}

// The results browser showing the big result, opened once.
CShowCommandResultsDlg& BigResultShown()
{
    static auto* dialog = [] {
        auto* shown = new CShowCommandResultsDlg;
        shown->OpenResultFile(Results().BigResult());
        return shown;
    }();
    return *dialog;
}

// A new browser opening the big result as the workstation does it (the
// window shown, then the result chosen), until the top of the text is painted.
void BM_OpenResult(benchmark::State& state)
{
    for (auto _ : state) {
        auto* dialog = new CShowCommandResultsDlg;
        dialog->resize(900, 700);
        dialog->show();
        QApplication::processEvents();
        dialog->OpenResultFile(Results().BigResult());
        QApplication::processEvents();
        QWidget* text = dialog->findChild<CSerialEdit*>()->viewport();
        benchmark::DoNotOptimize(text->grab().cacheKey());
        state.PauseTiming();   // closing the window is not part of opening
        delete dialog;
        state.ResumeTiming();
    }
}

// The search the browser's Find runs: the text it keeps from showing the
// result, searched ignoring case from the start, and the match selected in
// the document.
void BM_FindInResult(benchmark::State& state)
{
    QTextDocument* document = BigResultShown().findChild<CSerialEdit*>()->document();
    const QString text = document->toRawText();
    const QString keyword = QString::fromLatin1(kKeyword).toLower();
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    const std::u16string_view key(reinterpret_cast<const char16_t*>(keyword.utf16()),
                                  static_cast<std::size_t>(keyword.size()));
    std::ptrdiff_t found = -1;
    for (auto _ : state) {
        found = FindTextIgnoringCase(view, key, 0);
        QTextCursor match(document);
        match.setPosition(static_cast<int>(found));
        match.setPosition(static_cast<int>(found + key.size()), QTextCursor::KeepAnchor);
        benchmark::DoNotOptimize(match.selectionEnd());
    }
    state.counters["found at"] = static_cast<double>(found);
}

// The first Find as the user runs it on a freshly opened result: the search,
// then the editor scrolled to the match, for which Qt first lays out the text
// up to it.
void BM_FindInEditor(benchmark::State& state)
{
    CShowCommandResultsDlg& dialog = BigResultShown();
    for (auto _ : state)
        dialog.FindText(kKeyword);
    const QTextCursor match = dialog.findChild<CSerialEdit*>()->textCursor();
    if (match.selectedText() != QString::fromLatin1(kKeyword))
        state.SkipWithError("the keyword was not found");
    state.counters["found at"] = match.selectionStart();
}

void BM_GrepCount(benchmark::State& state)
{
    const std::string command = std::string("grep -c -i ") + kKeyword + " '" + Results().BigResult() + "'";
    int count = -1;
    for (auto _ : state) {
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe || std::fscanf(pipe, "%d", &count) != 1)
            state.SkipWithError("grep could not be run");
        if (pipe)
            ::pclose(pipe);
    }
    state.counters["lines"] = count;
}

} // namespace

BENCHMARK(BM_FindFiles)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_DeviceList)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_FindFilesOfDevice)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_CommandList)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_GrepCount)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
// The first Find lays the editor's text out; the searches after it do not.
BENCHMARK(BM_FindInEditor)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_OpenResult)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_FindInResult)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);   // the device icons are pixmaps
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Results();   // build the folders and show the big result before anything is timed
    BigResultShown();
    RunTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double listing = reporter.Seconds("BM_FindFiles");
    const double devices = reporter.Seconds("BM_DeviceList");
    const double deviceListing = reporter.Seconds("BM_FindFilesOfDevice");
    const double commands = reporter.Seconds("BM_CommandList");
    const double grep = reporter.Seconds("BM_GrepCount");
    const double find = reporter.Seconds("BM_FindInResult");
    const double findFirst = reporter.Seconds("BM_FindInEditor");
    const double open = reporter.Seconds("BM_OpenResult");
    if (listing > 0 && devices > 0)
        std::printf("\nDevice list of %d results: %.2f ms, FindFiles %.2f ms, ratio = %.2f (target <= 3.00)\n",
                    kDevices * kCommands, devices * 1e3, listing * 1e3, devices / listing);
    if (deviceListing > 0 && commands > 0)
        std::printf("Command list of one device: %.2f ms, FindFiles of its results %.2f ms, ratio = %.2f "
                    "(target <= 3.00)\n",
                    commands * 1e3, deviceListing * 1e3, commands / deviceListing);
    if (grep > 0 && find > 0 && findFirst > 0)
        std::printf("Find in a 50 MB result: %.2f ms (the first Find after opening it, the editor's layout included: "
                    "%.2f ms), grep -c -i %.2f ms, ratio = %.2f (%.2f) (target <= 3.00)\n",
                    find * 1e3, findFirst * 1e3, grep * 1e3, find / grep, findFirst / grep);
    if (grep > 0 && open > 0)
        std::printf("Opening a 50 MB result until its text is shown: %.2f ms, grep -c -i %.2f ms, ratio = %.2f\n",
                    open * 1e3, grep * 1e3, open / grep);
    benchmark::Shutdown();
    return 0;
}

// libFuzzer target for the session-log splitter: the input's first line goes
// through findShowCmd as a line buffer, then the whole input is written to a
// log file and split into a DataFolder of a scratch project whose model knows
// the devices r1, sw1 and nx1 (so pieces are stored and parsed). Everything
// lives in one temporary folder, which is also the working directory; the
// DataFolder is emptied after every input and the folder removed at exit.
// Run: fuzz_split_show_cmds [corpus] -max_total_time=60 -max_len=65536
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/util/TWFileSystem.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

class LineProbe : public SplitShowCmds {
public:
    using SplitShowCmds::findShowCmd;
};

// Built on the first input; the static's destructor removes the folder at exit.
class Scratch {
public:
    Scratch()
    {
        char pattern[] = "/tmp/tw-fuzz-split-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        root = std::string(pattern) + "/";
        if (::chdir(root.c_str()) != 0)
            std::abort();
        log = root + "capture.log";
        const std::string folder = root + "lab";
        if (!TWFileSystem::CreateProject(folder, "Fuzz"))
            std::abort();
        std::ofstream devices(folder + "/Devices.ini");
        devices << "[r1]\nType=router\nSubType=ios\n[sw1]\nType=switch\nSubType=ios\n"
                   "[nx1]\nType=switch\nSubType=nxos\n";
        devices.close();
        project = std::make_unique<TWFileSystem>(folder);
        SetCurrBaselineFileSystem(project.get());
    }
    ~Scratch()
    {
        SetCurrBaselineFileSystem(nullptr);
        project.reset();
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string root;
    std::string log;
    std::unique_ptr<TWFileSystem> project;
};

Scratch& Setup()
{
    static Scratch scratch;
    return scratch;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Scratch& scratch = Setup();

    // The splitter hands findShowCmd lines shorter than its buffer, zero-terminated.
    char line[SplitShowCmds::kLineBufferSize];
    std::size_t length = 0;
    while (length < size && length + 1 < sizeof line && data[length] != '\n' && data[length] != '\0')
        ++length;
    std::memcpy(line, data, length);
    line[length] = '\0';
    LineProbe probe;
    std::string command;
    int code = -1;
    if (probe.findShowCmd(line, command, code) && (line[0] == '\0' || command.empty() || code < 0 || code > 6))
        std::abort();

    {
        std::ofstream out(scratch.log, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out)
            std::abort();
    }
    const std::string dataFolder = scratch.project->GetDataSetRecent();
    std::error_code ec;
    fs::create_directories(dataFolder, ec);
    SplitShowCmds splitter;
    splitter.setDataFolder(dataFolder);
    if (splitter.splitFile(scratch.log) < 0)
        std::abort();
    fs::remove_all(dataFolder, ec);
    return 0;
}

// libFuzzer target for reading a show-command result: any bytes on disk read
// back as the line-end normalisation a byte-at-a-time reading would give, the
// note split finds what was written, and nothing is read outside the buffer.
// Build with -DTW_FUZZ=ON and clang; run: fuzz_read_result [corpus] -max_total_time=60
#include "guidataset/showcmd/core/ShowCommandResultFile.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The normalisation exactly as the result file is defined: a zero byte stands
// after the last one, the first byte only turns a lone LF into CR LF.
std::string ReferenceNormalise(const std::string& in)
{
    std::string out;
    if (in.empty())
        return out;
    const std::string buffer = in + '\0';
    if (buffer[0] == '\n')
        out += "\r\n";
    else
        out += buffer[0];
    for (std::size_t i = 1; i < in.size(); ++i) {
        const char b = buffer[i], p = buffer[i - 1], n = buffer[i + 1];
        if (b == '\r' && n == '\r')
            continue;
        if (b == '\n' && p != '\r')
            out += '\r';
        out += b;
        if (b == '\r' && n != '\n')
            out += '\n';
    }
    return out;
}

// One scratch file for the whole run, unlinked at once so that no exit path
// leaves it behind; the reader opens it anew through /proc.
struct Scratch {
    int fd = -1;
    std::string path;
};

const Scratch& ScratchFile()
{
    static const Scratch scratch = [] {
        char pattern[] = "/tmp/tw-fuzz-result-XXXXXX";
        Scratch s;
        s.fd = ::mkstemp(pattern);
        if (s.fd < 0)
            std::abort();
        ::unlink(pattern);
        s.path = "/proc/self/fd/" + std::to_string(s.fd);
        return s;
    }();
    return scratch;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Scratch& scratch = ScratchFile();
    if (::ftruncate(scratch.fd, 0) != 0 ||
        ::pwrite(scratch.fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    const std::string& path = scratch.path;

    std::string text = "prefix";
    const bool read = ReadShowCommandResult(path, text);
    if (read != !bytes.empty())
        std::abort();
    if (text != (read ? "prefix" + ReferenceNormalise(bytes) : std::string("prefix")))
        std::abort();

    std::string inMemory;
    NormaliseShowCommandLineEnds(bytes, inMemory);
    if (inMemory != ReferenceNormalise(bytes))
        std::abort();

    // Whatever splits off as result and note is what was written, and written
    // again it splits the same way.
    std::string result, note;
    SplitShowCommandResult(inMemory, result, note);
    if (!note.empty() && result + std::string(kShowCommandNoteSeparator) + note != inMemory)
        std::abort();
    if (note.empty() && result != inMemory.substr(0, result.size()))
        std::abort();
    return 0;
}

#include "host/richtext/RtfFile.h"

#include "host/richtext/RtfWriter.h"
#include "platform/core/Paths.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace richtext {

namespace {
// Far beyond any formatted result; refusing more keeps a wrong file from
// filling the memory.
constexpr long long kMaxFileBytes = 64LL * 1024 * 1024;
}

RtfReadResult LoadRtfFile(const std::string& path)
{
    RtfReadResult result;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        result.error = "The file " + path + " cannot be read: " + std::strerror(errno) + ".";
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = "The file " + path + " cannot be read: it is not a file.";
        return result;
    }
    if (info.st_size > kMaxFileBytes) {
        result.error = "The file " + path + " is too large to be formatted text (over 64 MB).";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "The file " + path + " cannot be read: " + std::strerror(errno) + ".";
        return result;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        result.error = "The file " + path + " cannot be read to its end.";
        return result;
    }
    result = ReadRtf(bytes);
    if (!result.ok)
        result.error = path + ": " + result.error;
    return result;
}

bool SaveRtfFile(const std::string& path, const RtfText& text, std::string& error)
{
    int code = 0;
    if (platform::AtomicWriteFile(path, WriteRtf(text), true, &code))
        return true;
    error = "The file " + path + " cannot be written: " + std::strerror(code) + ".";
    return false;
}

} // namespace richtext

#include "platform/core/FileTimes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include <chrono>

namespace platform {

namespace {

FileTime ToFileTime(const struct timespec& ts)
{
    return static_cast<FileTime>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

FileTime ToFileTime(const struct statx_timestamp& ts)
{
    return static_cast<FileTime>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

} // namespace

FileTime LastWriteTime(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return 0;
    return ToFileTime(st.st_mtim);
}

FileTime CreationTime(const std::string& path)
{
    struct statx stx {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &stx) == 0) {
        if (stx.stx_mask & STATX_BTIME)
            return ToFileTime(stx.stx_btime);
        if (stx.stx_mask & STATX_MTIME)
            return ToFileTime(stx.stx_mtime);
    }
    // statx may be refused by an old kernel or a sandbox: fall back to mtime.
    return LastWriteTime(path);
}

FileTime Now()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

std::string FormatLocalTime(FileTime time, const char* pattern)
{
    if (!pattern || !*pattern)
        return {};
    // Floor division so times before 1970 still land on the right second.
    time_t secs = static_cast<time_t>(time / 1000000000LL);
    if (time % 1000000000LL < 0)
        --secs;
    struct tm local {};
    if (!::localtime_r(&secs, &local))
        return {};
    char buffer[256];
    const size_t n = ::strftime(buffer, sizeof buffer, pattern, &local);
    return std::string(buffer, n);
}

} // namespace platform

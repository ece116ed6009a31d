#include "platform/core/TempFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

constexpr char kTempPrefix[] = ".twtmp.";
constexpr std::size_t kTempPrefixLength = sizeof kTempPrefix - 1;

// Digits (base 10 or 16) from text[at] up to the next '.' or the end; false
// when there are none or another character comes first.
bool ReadNumber(const std::string& text, std::size_t& at, int base, unsigned long long& value)
{
    const std::size_t start = at;
    value = 0;
    while (at < text.size() && text[at] != '.') {
        const char c = text[at];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0)
            return false;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        ++at;
    }
    return at > start;
}

bool ProcessHasEnded(long pid)
{
    if (pid <= 0 || pid == static_cast<long>(::getpid()))
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool IsUnsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP || error == EPERM;
}

} // namespace

int CreateTemporaryBeside(const std::string& path, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[96];
        std::snprintf(name, sizeof name, "%s%ld.%u.%llx", kTempPrefix, static_cast<long>(::getpid()),
                      counter.fetch_add(1), stamp + static_cast<unsigned long long>(attempt));
        tempPath = folder + name;
        // 0666 passes through the umask: the permissions a plain create would give.
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool IsTemporaryName(const std::string& name, long& pid)
{
    if (name.compare(0, kTempPrefixLength, kTempPrefix) != 0)
        return false;
    std::size_t at = kTempPrefixLength;
    unsigned long long value = 0;
    unsigned long long ignored = 0;
    if (!ReadNumber(name, at, 10, value) || at == name.size() || !ReadNumber(name, ++at, 10, ignored) ||
        at == name.size() || !ReadNumber(name, ++at, 16, ignored) || at != name.size())
        return false;
    pid = static_cast<long>(value);
    return true;
}

int RenameNoReplace(const std::string& tempPath, const std::string& path)
{
    if (::renameat2(AT_FDCWD, tempPath.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    int error = errno;
    if (!IsUnsupported(error) || error == EPERM)
        return error;
    // A file system without the no-replace rename: a hard link fails on a
    // taken name just as well.
    if (::link(tempPath.c_str(), path.c_str()) == 0) {
        ::unlink(tempPath.c_str());
        return 0;
    }
    error = errno;
    if (!IsUnsupported(error))
        return error;
    // Nor hard links: claim the name with an empty file, then move the
    // complete one onto the claim.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (::rename(tempPath.c_str(), path.c_str()) == 0)
        return 0;
    error = errno;
    ::unlink(path.c_str());
    return error;
}

int RemoveStaleTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        long pid = 0;
        if (entry->d_name[0] != '.' || !IsTemporaryName(entry->d_name, pid) || !ProcessHasEnded(pid))
            continue;
        if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace platform

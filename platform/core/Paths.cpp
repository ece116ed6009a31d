#include "platform/core/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>

namespace platform {

bool EndsWithSeparator(std::string_view s)
{
    return !s.empty() && (s.back() == '/' || s.back() == '\\');
}

std::string EnsureTrailingSlash(std::string_view s)
{
    std::string out(s);
    if (out.empty())
        return out;
    if (out.back() == '\\')
        out.back() = '/';
    else if (out.back() != '/')
        out.push_back('/');
    return out;
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    while (!name.empty() && (name.front() == '/' || name.front() == '\\'))
        name.remove_prefix(1);
    if (folder.empty())
        return std::string(name);
    std::string out = EnsureTrailingSlash(folder);
    out.append(name);
    return out;
}

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Opens a fresh, uniquely named file beside path. The mode 0666 passes through
// the umask, so the result gets the permissions a plain create would give.
int CreateTemporary(const std::string& path, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".tmp%d.%u.%llx", static_cast<int>(::getpid()),
                      counter.fetch_add(1), stamp + static_cast<unsigned long long>(attempt));
        tempPath = folder + "." + base + suffix;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool AtomicWriteFile(const std::string& path, std::string_view bytes, bool flushToDisk)
{
    if (path.empty() || EndsWithSeparator(path))
        return false;
    std::string tempPath;
    const int fd = CreateTemporary(path, tempPath);
    if (fd < 0)
        return false;

    bool ok = WriteAll(fd, bytes);
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (ok && ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    ok = ok && (!flushToDisk || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    if (!flushToDisk)
        return true;
    // Make the rename itself durable; failing to do so does not undo the write.
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : path.substr(0, slash);
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

std::string StripTrailingSeparators(std::string path)
{
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

std::string WithTrailingSlash(const std::string& path)
{
    return EnsureTrailingSlash(StripTrailingSeparators(path));
}

} // namespace platform

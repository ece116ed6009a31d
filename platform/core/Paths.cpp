#include "platform/core/Paths.h"

#include "platform/core/TempFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

} // namespace

bool AtomicWriteFile(const std::string& path, std::string_view bytes, bool flushToDisk, int* error)
{
    auto fail = [error](int why) {
        if (error)
            *error = why;
        errno = why;
        return false;
    };
    if (path.empty() || EndsWithSeparator(path))
        return fail(EINVAL);
    std::string tempPath;
    const int fd = CreateTemporaryBeside(path, tempPath);
    if (fd < 0)
        return fail(errno);

    int why = WriteAll(fd, bytes) ? 0 : errno;
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (why == 0 && ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    if (why == 0 && flushToDisk && ::fsync(fd) != 0)
        why = errno;
    if (::close(fd) != 0 && why == 0)
        why = errno;
    if (why == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0)
        why = errno;
    if (why != 0) {
        ::unlink(tempPath.c_str());
        return fail(why);
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

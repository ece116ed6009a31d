#include "host/util/CFileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

bool SameFile(int fd, const std::string& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace

CFileLock::CFileLock(const std::string& path) : m_path(path)
{
    if (path.empty())
        return;
    for (;;) {
        bool created = false;
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EEXIST)
                continue;   // another process made it first
            created = fd >= 0;
        }
        if (fd < 0)
            return;
        int locked = -1;
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            ::close(fd);
            return;
        }
        // The writer before us may have renamed a new file over the one we waited on.
        if (SameFile(fd, path)) {
            m_fd = fd;
            m_created = created;
            return;
        }
        ::close(fd);
    }
}

CFileLock::~CFileLock()
{
    if (m_fd < 0)
        return;
    // Removed while still locked: a waiter then finds the name gone and starts over.
    if (m_created)
        ::unlink(m_path.c_str());
    ::close(m_fd);   // closing the last descriptor releases the flock
}

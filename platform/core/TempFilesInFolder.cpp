#include "platform/core/TempFilesInFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {

CTempFilesInFolder::~CTempFilesInFolder()
{
    Close();
}

int CTempFilesInFolder::Open(const std::string& folder)
{
    Close();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    m_dirFd = fd;
    m_folder = folder;
    return 0;
}

void CTempFilesInFolder::Close()
{
    if (m_dirFd >= 0)
        ::close(m_dirFd);
    m_dirFd = -1;
    m_folder.clear();
}

int CTempFilesInFolder::Create() const
{
    if (m_dirFd < 0) {
        errno = EBADF;
        return -1;
    }
    // 0666 passes through the umask: the permissions a plain create would give.
    return ::openat(m_dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

int CTempFilesInFolder::Name(int fd, const char* name)
{
    // Linking the descriptor itself saves a walk through /proc, but the
    // system may refuse it (it needs a privilege on older kernels); the
    // descriptor's /proc link is then used for the rest.
    if (m_linkDescriptor) {
        if (::linkat(fd, "", m_dirFd, name, AT_EMPTY_PATH) == 0)
            return 0;
        if (errno != ENOENT && errno != EPERM && errno != EINVAL)
            return errno;
        m_linkDescriptor = false;
    }
    char self[40];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    if (::linkat(AT_FDCWD, self, m_dirFd, name, AT_SYMLINK_FOLLOW) == 0)
        return 0;
    return errno;
}

} // namespace platform

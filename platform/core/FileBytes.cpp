#include "platform/core/FileBytes.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::size_t kHugePage = 2u << 20;

std::size_t RoundUp(std::size_t bytes, std::size_t unit)
{
    return (bytes + unit - 1) / unit * unit;
}

} // namespace

FileBytes::~FileBytes()
{
    Release();
}

void FileBytes::Release()
{
    if (m_region)
        ::munmap(m_region, m_mapped);
    m_region = nullptr;
    m_data = nullptr;
    m_size = 0;
    m_mapped = 0;
}

bool FileBytes::Read(const std::string& path)
{
    Release();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto fail = [this, fd](int error) {
        ::close(fd);
        Release();
        errno = error;
        return false;
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(errno);
    // Pipes and devices are read to their end as well (e.g. /dev/stdin).
    if (S_ISDIR(info.st_mode))
        return fail(EISDIR);
    // Room for a byte more than the size: reading stops at the end, not at
    // the size, so a file that grows meanwhile is read whole.
    std::size_t capacity = RoundUp(static_cast<std::size_t>(info.st_size) + 1, kHugePage);
    for (;;) {
        if (!Reserve(capacity))
            return fail(errno);
        const ssize_t n = ::read(fd, m_data + m_size, capacity - m_size);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        m_size += static_cast<std::size_t>(n);
        if (m_size == capacity)
            capacity *= 2;
    }
    ::close(fd);
    return true;
}

bool FileBytes::Reserve(std::size_t capacity)
{
    if (m_region && m_mapped >= capacity + kHugePage)
        return true;
    // A huge page more than asked for, so that the bytes can start on a huge page boundary.
    const std::size_t mapped = capacity + kHugePage;
    void* region = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED)
        return false;
    const auto address = reinterpret_cast<std::uintptr_t>(region);
    char* data = reinterpret_cast<char*>(RoundUp(address, kHugePage));
    // Only advice: without huge pages the bytes are read all the same.
    ::madvise(data, capacity, MADV_HUGEPAGE);
    if (m_size)
        std::memcpy(data, m_data, m_size);
    if (m_region)
        ::munmap(m_region, m_mapped);
    m_region = region;
    m_mapped = mapped;
    m_data = data;
    return true;
}

} // namespace platform

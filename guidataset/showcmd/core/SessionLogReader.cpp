#include "guidataset/showcmd/core/SessionLogReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SessionLogReader::~SessionLogReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
    delete[] m_block;
}

bool SessionLogReader::Open(const std::string& path)
{
    if (m_fd >= 0 || path.empty())
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_block = new char[kBlockSize];
    return true;
}

bool SessionLogReader::Refill()
{
    if (m_eof || m_fd < 0)
        return false;
    for (;;) {
        const ssize_t got = ::read(m_fd, m_block, kBlockSize);
        if (got > 0) {
            m_pos = 0;
            m_end = static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // A read error ends the log like its end would.
        m_eof = true;
        m_pos = m_end = 0;
        return false;
    }
}

inline int SessionLogReader::Get()
{
    if (m_pos == m_end && !Refill())
        return -1;
    return static_cast<unsigned char>(m_block[m_pos++]);
}

inline int SessionLogReader::Peek()
{
    if (m_pos == m_end && !Refill())
        return -1;
    return static_cast<unsigned char>(m_block[m_pos]);
}

SessionLogReader::Line SessionLogReader::ReadLine(char* buffer, std::size_t size)
{
    Line line;
    if (size == 0)
        return Line{0, true};
    const std::size_t room = size - 1;
    bool extracted = false;
    for (;;) {
        // Fast path: copy up to the next LF within the block and the room left.
        if (m_pos < m_end) {
            const std::size_t avail = m_end - m_pos;
            const std::size_t span = std::min(avail, room - line.length);
            const char* start = m_block + m_pos;
            const void* lf = std::memchr(start, '\n', span);
            std::size_t take = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : span;
            // A CR is left for the slow path, which decides whether it ends the line.
            if (const void* cr = std::memchr(start, '\r', take))
                take = static_cast<std::size_t>(static_cast<const char*>(cr) - start);
            if (take > 0) {
                std::memcpy(buffer + line.length, start, take);
                line.length += take;
                m_pos += take;
                extracted = true;
            }
        }
        const int c = Get();
        if (c < 0) {
            line.last = true;
            break;
        }
        extracted = true;
        if (c == '\n')
            break;
        if (c == '\r' && Peek() == '\n') {
            Get();
            break;
        }
        if (line.length == room) {
            line.last = true;
            break;
        }
        buffer[line.length++] = static_cast<char>(c);
    }
    if (!extracted)
        line.last = true;
    buffer[line.length] = '\0';
    return line;
}

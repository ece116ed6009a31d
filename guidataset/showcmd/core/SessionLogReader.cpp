#include "guidataset/showcmd/core/SessionLogReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A sample with more lone CRs than LFs comes from a log whose lines end in CR
// alone. A pager's overprint in a CR LF log leaves a couple of lone CRs per
// page, and CR CR LF line ends none (a CR before a CR is not counted).
bool EndsLinesWithCrAlone(const char* block, std::size_t size)
{
    const std::size_t sample = std::min<std::size_t>(size, 4096);
    std::size_t lf = 0;
    std::size_t loneCr = 0;
    for (std::size_t i = 0; i < sample; ++i) {
        if (block[i] == '\n')
            ++lf;
        else if (block[i] == '\r' && (i + 1 == size || (block[i + 1] != '\n' && block[i + 1] != '\r')))
            ++loneCr;
    }
    return loneCr > lf;
}

std::size_t EncodeUtf8(unsigned codePoint, char* out)
{
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        out[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (codePoint >> 18));
    out[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

constexpr unsigned kReplacement = 0xFFFD;

} // namespace

SessionLogReader::~SessionLogReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
    delete[] m_block;
    delete[] m_utf16;
}

SessionLogReader::OpenResult SessionLogReader::Open(const std::string& path)
{
    if (m_fd >= 0 || path.empty()) {
        m_error = ENOENT;
        return OpenResult::CannotOpen;
    }
    // Without waiting: a named pipe among the logs is refused, not waited on for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        m_error = errno;
        return OpenResult::CannotOpen;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        m_error = errno;
        ::close(fd);
        return OpenResult::CannotOpen;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return OpenResult::NotAFile;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    DetectEncoding();
    if (m_error != 0)
        return OpenResult::CannotOpen;
    m_block = new char[kBlockSize];
    if (m_encoding != Encoding::Bytes)
        m_utf16 = new char[kUtf16BlockSize + 4];
    return OpenResult::Opened;
}

// The byte-order mark, or ASCII text read as UTF-16, tells the encoding; the
// mark itself is not part of the log.
void SessionLogReader::DetectEncoding()
{
    unsigned char head[4] = {};
    ssize_t got = 0;
    do
        got = ::pread(m_fd, head, sizeof head, 0);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        m_error = errno;
        return;
    }
    off_t mark = 0;
    if (got >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
        mark = 3;
    } else if (got >= 2 && head[0] == 0xFF && head[1] == 0xFE) {
        m_encoding = Encoding::Utf16Le;
        mark = 2;
    } else if (got >= 2 && head[0] == 0xFE && head[1] == 0xFF) {
        m_encoding = Encoding::Utf16Be;
        mark = 2;
    } else if (got == 4 && head[0] != 0 && head[1] == 0 && head[2] != 0 && head[3] == 0) {
        m_encoding = Encoding::Utf16Le;
    } else if (got == 4 && head[0] == 0 && head[1] != 0 && head[2] == 0 && head[3] != 0) {
        m_encoding = Encoding::Utf16Be;
    }
    if (mark != 0 && ::lseek(m_fd, mark, SEEK_SET) != mark)
        m_error = errno;
}

std::size_t SessionLogReader::ReadRaw(char* to, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(m_fd, to, size);
        if (got > 0) {
            m_readAnything = true;
            return static_cast<std::size_t>(got);
        }
        if (got < 0 && errno == EINTR)
            continue;
        // A read failure ends the log like its end would; Error() tells them apart.
        if (got < 0)
            m_error = errno;
        m_eof = true;
        return 0;
    }
}

bool SessionLogReader::Refill()
{
    if (m_eof || m_fd < 0)
        return false;
    if (m_encoding == Encoding::Bytes) {
        m_end = ReadRaw(m_block, kBlockSize);
        m_pos = 0;
        if (m_end == 0)
            return false;
    } else if (!RefillUtf16()) {
        m_pos = m_end = 0;
        return false;
    }
    if (m_firstBlock) {
        m_firstBlock = false;
        m_crOnly = EndsLinesWithCrAlone(m_block, m_end);
    }
    return true;
}

// The next block of UTF-16 text as UTF-8 in m_block. A unit or a surrogate
// pair cut by the block's end waits for the next block; what cannot be a
// character becomes U+FFFD.
bool SessionLogReader::RefillUtf16()
{
    const bool littleEndian = m_encoding == Encoding::Utf16Le;
    for (;;) {
        const std::size_t got = m_eof ? 0 : ReadRaw(m_utf16 + m_carried, kUtf16BlockSize);
        const bool atEnd = got == 0;
        const std::size_t have = m_carried + got;
        const auto* in = reinterpret_cast<const unsigned char*>(m_utf16);
        auto unit = [&](std::size_t at) {
            return littleEndian ? unsigned(in[at]) | unsigned(in[at + 1]) << 8
                                : unsigned(in[at]) << 8 | unsigned(in[at + 1]);
        };
        std::size_t i = 0;
        std::size_t out = 0;
        while (i + 2 <= have) {
            unsigned codePoint = unit(i);
            if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
                if (i + 4 > have && !atEnd)
                    break;
                const unsigned low = i + 4 <= have ? unit(i + 2) : 0;
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                } else {
                    codePoint = kReplacement;
                }
            } else if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
                codePoint = kReplacement;
            }
            i += 2;
            out += EncodeUtf8(codePoint, m_block + out);
        }
        if (atEnd && i < have) {   // half a unit at the end of the file
            out += EncodeUtf8(kReplacement, m_block + out);
            i = have;
        }
        m_carried = have - i;
        std::memmove(m_utf16, m_utf16 + i, m_carried);
        if (out > 0) {
            m_pos = 0;
            m_end = out;
            return true;
        }
        if (atEnd)
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
        if (c == '\r') {
            if (Peek() == '\n') {
                Get();
                break;
            }
            if (m_crOnly)
                break;
        }
        if (line.length == room) {
            line.last = true;
            line.tooLong = true;
            break;
        }
        if (c == '\r')
            line.loneCr = true;
        buffer[line.length++] = static_cast<char>(c);
    }
    if (!extracted)
        line.last = true;
    buffer[line.length] = '\0';
    return line;
}

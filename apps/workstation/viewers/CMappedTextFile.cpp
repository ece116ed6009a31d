#include "apps/workstation/viewers/CMappedTextFile.h"

#include "apps/workstation/viewers/TextSearch.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace workstation {

namespace {

// The index holds 32-bit offsets; nobody keeps a configuration this big.
constexpr std::uint64_t kLargestFile = 0xFFFFFFFFull;
constexpr std::size_t kBinaryProbe = 64 * 1024;
// Backward searches look at the file a chunk at a time from the end.
constexpr std::size_t kBackwardChunk = 1 << 20;

} // namespace

CMappedTextFile::~CMappedTextFile()
{
    Close();
}

void CMappedTextFile::Close()
{
    if (m_data)
        ::munmap(const_cast<char*>(m_data), m_size);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_data = nullptr;
    m_size = 0;
    m_longest = 0;
    m_lineStarts.clear();
    m_lineStarts.shrink_to_fit();
    m_path.clear();
}

bool CMappedTextFile::LooksBinary(std::string_view head)
{
    if (head.find('\0') != std::string_view::npos)
        return true;
    // Configurations carry tabs, form feeds, the odd escape sequence of a
    // captured banner, backspaces of a paging prompt; little else below 0x20.
    std::size_t controls = 0;
    for (char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\b' && u != 0x1b)
            ++controls;
    }
    return controls * 10 > head.size();
}

CMappedTextFile::Status CMappedTextFile::Open(const std::string& path)
{
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Status::CannotOpen;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return Status::CannotOpen;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return Status::NotAFile;
    }
    if (static_cast<std::uint64_t>(info.st_size) > kLargestFile) {
        ::close(fd);
        return Status::TooLarge;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    void* data = size ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : nullptr;
    if (data == MAP_FAILED) {
        ::close(fd);
        return Status::CannotOpen;
    }
    const char* bytes = static_cast<const char*>(data);
    if (LooksBinary({bytes, std::min(size, kBinaryProbe)})) {
        ::munmap(data, size);
        ::close(fd);
        return Status::Binary;
    }
    m_path = path;
    m_fd = fd;   // kept to notice a file cut shorter under the mapping
    m_data = bytes;
    m_size = size;
    if (!size)
        return Status::Ok;

    ::madvise(data, size, MADV_SEQUENTIAL);
    const char* end = bytes + size;
    const char* start = bytes;
    while (start < end) {
        m_lineStarts.push_back(static_cast<std::uint32_t>(start - bytes));
        const char* newline = static_cast<const char*>(std::memchr(start, '\n', end - start));
        const char* lineEnd = newline ? newline : end;
        if (lineEnd > start && lineEnd[-1] == '\r')
            --lineEnd;
        m_longest = std::max(m_longest, static_cast<std::size_t>(lineEnd - start));
        start = newline ? newline + 1 : end;
    }
    ::madvise(data, size, MADV_NORMAL);
    return Status::Ok;
}

std::string CMappedTextFile::Describe(Status status, const std::string& path)
{
    switch (status) {
    case Status::Ok:
        return {};
    case Status::CannotOpen:
        return "The file '" + path + "' cannot be opened: it is missing or not readable.";
    case Status::NotAFile:
        return "'" + path + "' is not a file.";
    case Status::TooLarge:
        return "The file '" + path + "' is 4 GB or larger; the configuration viewer shows smaller files only.";
    case Status::Binary:
        return "The file '" + path + "' is a binary file, not a configuration, and is not shown.";
    }
    return {};
}

bool CMappedTextFile::IsIntact() const
{
    if (m_fd < 0)
        return true;
    struct stat info {};
    return ::fstat(m_fd, &info) == 0 && static_cast<std::uint64_t>(info.st_size) >= m_size;
}

std::string_view CMappedTextFile::Line(std::size_t index) const
{
    if (index >= m_lineStarts.size())
        return {};
    const std::size_t start = m_lineStarts[index];
    std::size_t end = index + 1 < m_lineStarts.size() ? m_lineStarts[index + 1] : m_size;
    if (end > start && m_data[end - 1] == '\n')
        --end;
    if (end > start && m_data[end - 1] == '\r')
        --end;
    return {m_data + start, end - start};
}

std::size_t CMappedTextFile::LineOf(std::size_t offset) const
{
    if (m_lineStarts.empty())
        return 0;
    const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    return static_cast<std::size_t>(it - m_lineStarts.begin()) - 1;
}

std::size_t CMappedTextFile::FindIn(std::string_view needle, std::size_t from, std::size_t to,
                                    bool matchCase) const
{
    if (to > m_size || from >= to || to - from < needle.size())
        return std::string_view::npos;
    const char* first = m_data + from;
    const char* last = m_data + to;
    const char* hit = nullptr;
    if (matchCase) {
        hit = static_cast<const char*>(::memmem(first, last - first, needle.data(), needle.size()));
    } else {
        const std::size_t at = FindIgnoringCase(std::string_view(first, last - first), needle);
        hit = at == std::string_view::npos ? nullptr : first + at;
    }
    return hit ? static_cast<std::size_t>(hit - m_data) : std::string_view::npos;
}

std::size_t CMappedTextFile::FindLastIn(std::string_view needle, std::size_t from, std::size_t to,
                                        bool matchCase) const
{
    std::size_t windowEnd = to;
    while (windowEnd > from) {
        const std::size_t windowStart = windowEnd - std::min(windowEnd - from, kBackwardChunk);
        // Matches starting in [windowStart, windowEnd), which may run on to `to`.
        const std::size_t reach = std::min(to, windowEnd + needle.size() - 1);
        std::size_t last = std::string_view::npos;
        for (std::size_t at = FindIn(needle, windowStart, reach, matchCase);
             at != std::string_view::npos && at < windowEnd; at = FindIn(needle, at + 1, reach, matchCase))
            last = at;
        if (last != std::string_view::npos)
            return last;
        windowEnd = windowStart;
    }
    return std::string_view::npos;
}

CMappedTextFile::Match CMappedTextFile::MatchAt(std::size_t offset, bool wrapped) const
{
    Match match;
    if (offset == std::string_view::npos)
        return match;
    match.found = true;
    match.wrapped = wrapped;
    match.line = LineOf(offset);
    match.column = offset - m_lineStarts[match.line];
    return match;
}

CMappedTextFile::Match CMappedTextFile::Find(std::string_view needle, std::size_t line, std::size_t column,
                                             bool forward, bool matchCase) const
{
    if (needle.empty() || !m_size || !IsIntact())
        return {};
    std::size_t position = m_size;
    if (line < m_lineStarts.size())
        position = std::min<std::size_t>(m_size, m_lineStarts[line] + column);
    const std::size_t overlap = needle.size() - 1;
    if (forward) {
        const std::size_t hit = FindIn(needle, position, m_size, matchCase);
        if (hit != std::string_view::npos)
            return MatchAt(hit, false);
        return MatchAt(FindIn(needle, 0, std::min(m_size, position + overlap), matchCase), true);
    }
    const std::size_t hit = FindLastIn(needle, 0, std::min(m_size, position + overlap), matchCase);
    if (hit != std::string_view::npos)
        return MatchAt(hit, false);
    return MatchAt(FindLastIn(needle, position, m_size, matchCase), true);
}

} // namespace workstation

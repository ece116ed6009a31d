#include "guidataset/showcmd/core/ShowCommandResultFile.h"

#include "platform/core/Paths.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr unsigned char kCR = '\r';
constexpr unsigned char kLF = '\n';

// Bit k set when p[k] == c, k in [0, 16).
inline unsigned Match16(const unsigned char* p, unsigned char c)
{
#if defined(__SSE2__)
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(c)))));
#else
    unsigned mask = 0;
    for (unsigned k = 0; k < 16; ++k)
        mask |= static_cast<unsigned>(p[k] == c) << k;
    return mask;
#endif
}

// A byte at i >= 1 that the normalisation changes: a CR not followed by LF
// (dropped before another CR, else given an LF), or an LF not preceded by CR
// (given a CR). The byte after the last one counts as 0.
inline bool NeedsChange(const unsigned char* p, std::size_t size, std::size_t i)
{
    const unsigned char b = p[i];
    if (b == kCR)
        return i + 1 >= size || p[i + 1] != kLF;
    return b == kLF && p[i - 1] != kCR;
}

// The first position at or after from (from >= 1) whose byte changes, or size.
// Captured output is mostly well-formed CR LF text, so 16 bytes are tested at
// a time: each one's neighbours come from the same loads shifted by one.
std::size_t FindNextChange(const unsigned char* p, std::size_t size, std::size_t from)
{
    std::size_t i = from;
    while (i + 17 <= size) {
        const unsigned cr = Match16(p + i, kCR);
        const unsigned lf = Match16(p + i, kLF);
        const unsigned lfAfter = Match16(p + i + 1, kLF);
        const unsigned crBefore = Match16(p + i - 1, kCR);
        const unsigned bad = (cr & ~lfAfter) | (lf & ~crBefore);
        if (bad != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(bad));
        i += 16;
    }
    for (; i < size; ++i) {
        if (NeedsChange(p, size, i))
            return i;
    }
    return size;
}

// Tells, chunk by chunk, whether normalising the bytes fed so far changes
// nothing: every LF follows a CR and every CR precedes an LF. Per block of 16
// the LFs must sit exactly one place after the CRs, the last CR of a block
// carrying into the next. (A first byte CR without its LF is kept by the
// normalisation but counts as a change here; the slow path gives the same bytes.)
class NormalCheck {
public:
    void Feed(const unsigned char* p, std::size_t size)
    {
        std::size_t i = 0;
        for (; m_normal && i + 16 <= size; i += 16) {
            const unsigned cr = Match16(p + i, kCR);
            const unsigned lf = Match16(p + i, kLF);
            m_normal = lf == (((cr << 1) | m_carry) & 0xFFFFu);
            m_carry = cr >> 15;
        }
        for (; m_normal && i < size; ++i) {
            m_normal = (p[i] == kLF) == (m_carry != 0);
            m_carry = p[i] == kCR;
        }
    }
    bool Normal() const { return m_normal && m_carry == 0; }

private:
    bool m_normal = true;
    unsigned m_carry = 0;
};

// The length of p[0, size) once normalised, so the text is sized once.
std::size_t NormalisedSize(const unsigned char* p, std::size_t size)
{
    if (size == 0)
        return 0;
    std::size_t out = size + (p[0] == kLF ? 1 : 0);
    for (std::size_t i = FindNextChange(p, size, 1); i < size; i = FindNextChange(p, size, i + 1)) {
        if (p[i] == kCR && i + 1 < size && p[i + 1] == kCR)
            --out;
        else
            ++out;
    }
    return out;
}

// Normalises p[0, size) onto text. Runs that need no change are copied whole.
void AppendNormalised(const unsigned char* p, std::size_t size, std::string& text)
{
    if (size == 0)
        return;
    const char* chars = reinterpret_cast<const char*>(p);
    std::size_t runStart = 0;
    if (p[0] == kLF) {
        text.append("\r\n", 2);
        runStart = 1;
    }
    std::size_t i = FindNextChange(p, size, 1);
    while (i < size) {
        text.append(chars + runStart, i - runStart);
        if (p[i] == kCR) {
            // A CR before another CR is dropped; any other lone CR gains an LF.
            if (i + 1 >= size || p[i + 1] != kCR)
                text.append("\r\n", 2);
        } else {
            text.append("\r\n", 2);
        }
        runStart = i + 1;
        i = FindNextChange(p, size, i + 1);
    }
    text.append(chars + runStart, size - runStart);
}

// A large result would otherwise fault its fresh memory in one 4 KiB page at
// a time, which costs more than reading it; huge pages cut that many times.
void AdviseHugePages(char* data, std::size_t size)
{
    constexpr std::uintptr_t kHuge = 2u << 20;
    if (size < 2 * kHuge)
        return;
    const auto first = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const auto last = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHuge - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

// Appends the whole of fd to bytes, checking on the way whether it needs
// normalising. Chunks of a size that stays in cache are zero-filled, read and
// checked one after the other, so the bytes cross main memory about as often
// as one memcpy would move them. False, bytes as they were, when the size is
// 0 or unknown or nothing could be read.
bool AppendAll(int fd, std::string& bytes, NormalCheck& check)
{
    constexpr std::size_t kChunk = 256 * 1024;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size <= 0)
        return false;
    const std::size_t base = bytes.size();
    const std::size_t end = base + static_cast<std::size_t>(st.st_size);
    bytes.reserve(end + 1);
    AdviseHugePages(bytes.data() + base, end - base);
    std::size_t got = base;
    while (got < end) {
        bytes.resize(got + std::min(kChunk, end - got));
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            got = base;
            break;
        }
        if (n == 0)
            break; // shrank while being read: what is there is the file
        check.Feed(reinterpret_cast<const unsigned char*>(bytes.data() + got), static_cast<std::size_t>(n));
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return got > base;
}

} // namespace

void NormaliseShowCommandLineEnds(std::string_view bytes, std::string& text)
{
    AppendNormalised(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), text);
}

bool ReadShowCommandResult(const std::string& path, std::string& text)
{
    if (path.empty())
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); // a FIFO must not block the reader
    if (fd < 0)
        return false;
    // The bytes land straight behind the text: a file that needs no change
    // (the CR LF text the import writes) then costs one read and one scan, in
    // memory the caller may already hold.
    const std::size_t base = text.size();
    NormalCheck check;
    const bool read = AppendAll(fd, text, check);
    ::close(fd);
    if (!read)
        return false;

    if (check.Normal())
        return true;
    const std::size_t size = text.size() - base;
    std::string raw;
    raw.swap(text);
    const auto* p = reinterpret_cast<const unsigned char*>(raw.data() + base);
    const std::size_t normalised = NormalisedSize(p, size);
    text.reserve(base + normalised + 1);
    AdviseHugePages(text.data() + base, normalised);
    text.assign(raw, 0, base);
    AppendNormalised(p, size, text);
    return true;
}

void SplitShowCommandResult(std::string_view content, std::string& resultText, std::string& note)
{
    const std::size_t at = content.find(kShowCommandNoteSeparator);
    if (at == std::string_view::npos) {
        resultText.assign(content);
        note.clear();
        return;
    }
    resultText.assign(content.substr(0, at));
    note.assign(content.substr(at + kShowCommandNoteSeparator.size()));
}

bool WriteShowCommandResult(const std::string& path, const std::string& resultText, const std::string& note)
{
    // A file the user made read-only stays as it is, as it would on Windows.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return false;
    std::string bytes;
    bytes.reserve(resultText.size() + (note.empty() ? 0 : kShowCommandNoteSeparator.size() + note.size()));
    bytes += resultText;
    if (!note.empty()) {
        bytes += kShowCommandNoteSeparator;
        bytes += note;
    }
    return platform::AtomicWriteFile(path, bytes);
}

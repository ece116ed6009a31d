#include "apps/tarnwickdiff/core/DiffText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwickdiff {

namespace {

bool IsAscii(const char* p, std::size_t n)
{
    // OR of all bytes: the compiler turns this into wide loads.
    unsigned char any = 0;
    for (std::size_t i = 0; i < n; ++i)
        any |= static_cast<unsigned char>(p[i]);
    return (any & 0x80) == 0;
}

void AppendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Length of the well-formed UTF-8 sequence at p (no overlong forms, no
// surrogates, nothing above U+10FFFF), 0 when the byte starts none.
std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t left)
{
    const unsigned char b = p[0];
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0;
        else if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90;
        else if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    return length;
}

// Appends valid UTF-8 as it is and every other byte as the Latin-1 character
// of that value; true when such a byte was met.
bool AppendUtf8OrLatin1(std::string& out, const char* p, std::size_t n)
{
    bool latin1 = false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n;) {
        if (bytes[i] < 0x80) {
            out.push_back(p[i++]);
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes + i, n - i);
        if (length) {
            out.append(p + i, length);
            i += length;
        } else {
            AppendCodePoint(out, bytes[i++]);
            latin1 = true;
        }
    }
    return latin1;
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t next = unit(i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
                i += 2;
            } else {
                c = 0xFFFD;
            }
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendCodePoint(out, c);
    }
    if (i < bytes.size())
        AppendCodePoint(out, 0xFFFD);
    return out;
}

bool IsUtf8(const char* p, std::size_t n)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n;) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes + i, n - i);
        if (!length)
            return false;
        i += length;
    }
    return true;
}

bool IsWhitespace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::uint64_t Identity(std::string_view line)
{
    return std::hash<std::string_view>{}(line);
}

bool StartsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

} // namespace

CDiffText CDiffText::Load(const std::string& path)
{
    CDiffText text;
    text.m_path = path;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        text.m_errno = errno;
        text.m_status = errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
        return text;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        text.m_status = Status::NotAFile;
        return text;
    }
    text.m_size = static_cast<std::size_t>(info.st_size);
    if (text.m_size > kMaxBytes) {
        ::close(fd);
        text.m_status = Status::TooLarge;
        return text;
    }
    // One spare page shows whether the file grew while it was read.
    text.m_bytes = CBigBuffer(text.m_size + 4096);
    std::size_t got = 0;
    for (;;) {
        if (!text.m_bytes.Data() ||
            (got == text.m_bytes.Capacity() && !text.m_bytes.Grow(2 * got, got))) {
            text.m_errno = ENOMEM;
            text.m_status = Status::Unreadable;
            break;
        }
        const ssize_t n = ::read(fd, text.m_bytes.Data() + got, text.m_bytes.Capacity() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            text.m_errno = errno;
            text.m_status = Status::Unreadable;
            break;
        }
        if (n == 0) {
            text.m_status = Status::Ok;
            break;
        }
        got += static_cast<std::size_t>(n);
        if (got > kMaxBytes) {
            text.m_size = got;
            text.m_status = Status::TooLarge;
            break;
        }
    }
    ::close(fd);
    if (text.m_status == Status::Ok)
        text.Decode(got);
    else
        text.m_bytes = CBigBuffer();
    return text;
}

CDiffText CDiffText::FromBytes(std::string_view bytes, const std::string& path)
{
    CDiffText text;
    text.m_path = path;
    text.m_size = bytes.size();
    if (bytes.size() > kMaxBytes) {
        text.m_status = Status::TooLarge;
        return text;
    }
    text.m_bytes = CBigBuffer(bytes.size());
    if (!text.m_bytes.Data()) {
        text.m_errno = ENOMEM;
        text.m_status = Status::Unreadable;
        return text;
    }
    if (!bytes.empty())
        std::memcpy(text.m_bytes.Data(), bytes.data(), bytes.size());
    text.m_status = Status::Ok;
    text.Decode(bytes.size());
    return text;
}

void CDiffText::Decode(std::size_t size)
{
    std::string_view bytes(m_bytes.Data(), size);
    // PowerShell and Notepad write UTF-16 with a byte-order mark: its NUL bytes
    // are text, not the mark of a binary file.
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        const bool bigEndian = bytes[0] == '\xFE';
        m_encoding = bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le;
        m_decoded = DecodeUtf16(bytes.substr(2), bigEndian);
        m_bytes = CBigBuffer();
        SplitLines(m_decoded.data(), m_decoded.size(), true);
        return;
    }
    if (std::memchr(bytes.data(), 0, std::min(bytes.size(), kBinaryProbe))) {
        m_status = Status::Binary;
        m_bytes = CBigBuffer();
        return;
    }
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        m_encoding = Encoding::Utf8Bom;
        bytes.remove_prefix(3);
    }
    SplitLines(bytes.data(), bytes.size(), false);
}

void CDiffText::SplitLines(const char* data, std::size_t n, bool inDecoded)
{
    const char* base = inDecoded ? m_decoded.data() : m_bytes.Data();
    m_lines.clear();
    // Room for lines of 16 bytes on average: configurations average 30 to 40,
    // and pages reserved but never written cost nothing.
    m_lines.reserve(n / 16 + 16);
    m_identities.clear();
    m_identities.reserve(n / 16 + 16);
    std::size_t lf = 0, crlf = 0;
    bool latin1 = false;
    std::string converted;
    for (std::size_t pos = 0; pos < n;) {
        const auto* nl = static_cast<const char*>(std::memchr(data + pos, '\n', n - pos));
        const std::size_t end = nl ? static_cast<std::size_t>(nl - data) : n;
        std::size_t lineEnd = end;
        if (nl) {
            if (lineEnd > pos && data[lineEnd - 1] == '\r') {
                --lineEnd;
                ++crlf;
            } else {
                ++lf;
            }
        }
        const char* line = data + pos;
        const std::size_t length = lineEnd - pos;
        LineRef ref{static_cast<std::uint32_t>(line - base), static_cast<std::uint32_t>(length)};
        if (inDecoded) {
            ref.length |= kDecoded;
        } else if (!IsAscii(line, length) && !IsUtf8(line, length)) {
            converted.clear();
            AppendUtf8OrLatin1(converted, line, length);
            latin1 = true;
            ref = {static_cast<std::uint32_t>(m_decoded.size()), static_cast<std::uint32_t>(converted.size()) | kDecoded};
            m_decoded += converted;
        }
        m_lines.push_back(ref);
        const std::string_view text = Line(m_lines.size() - 1);
        m_identities.push_back(Identity(text));
        m_longestLine = std::max(m_longestLine, text.size());
        pos = end + 1;
    }
    if (latin1)
        m_encoding = Encoding::EightBit;
    m_lineEnds = lf && crlf ? LineEnds::Mixed : crlf ? LineEnds::CrLf : lf ? LineEnds::Lf : LineEnds::None;
}

std::vector<std::uint64_t> CDiffText::IdentitiesIgnoringWhitespace() const
{
    std::vector<std::uint64_t> identities;
    identities.reserve(m_lines.size());
    std::string squeezed;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        squeezed.clear();
        for (const char c : Line(i))
            if (!IsWhitespace(c))
                squeezed.push_back(c);
        identities.push_back(Identity(squeezed));
    }
    return identities;
}

bool CDiffText::SameLines(const CDiffText& other) const
{
    if (LineCount() != other.LineCount())
        return false;
    for (std::size_t i = 0; i < LineCount(); ++i)
        if (Line(i) != other.Line(i))
            return false;
    return true;
}

std::string CDiffText::Message() const
{
    const std::string quoted = "\"" + m_path + "\"";
    switch (m_status) {
    case Status::Ok:
        return {};
    case Status::Missing:
        return "The file " + quoted + " does not exist.";
    case Status::NotAFile:
        return quoted + " is not a file (a folder or a device cannot be compared).";
    case Status::Unreadable:
        return "The file " + quoted + " cannot be read: " + std::strerror(m_errno) + ".";
    case Status::Binary:
        return quoted + " is a binary file (it contains NUL bytes); only text files can be compared.";
    case Status::TooLarge:
        return "The file " + quoted + " is too large to compare (" +
               std::to_string(m_size >> 20) + " MB; at most " + std::to_string(kMaxBytes >> 20) +
               " MB).";
    }
    return {};
}

const char* LineEndsName(CDiffText::LineEnds ends)
{
    switch (ends) {
    case CDiffText::LineEnds::None: return "no line end";
    case CDiffText::LineEnds::Lf: return "LF";
    case CDiffText::LineEnds::CrLf: return "CR LF";
    case CDiffText::LineEnds::Mixed: return "mixed CR LF and LF";
    }
    return "";
}

const char* EncodingName(CDiffText::Encoding encoding)
{
    switch (encoding) {
    case CDiffText::Encoding::Utf8: return "UTF-8";
    case CDiffText::Encoding::Utf8Bom: return "UTF-8 with BOM";
    case CDiffText::Encoding::Utf16Le: return "UTF-16 LE";
    case CDiffText::Encoding::Utf16Be: return "UTF-16 BE";
    case CDiffText::Encoding::EightBit: return "8-bit (Latin-1)";
    }
    return "";
}

} // namespace tarnwickdiff

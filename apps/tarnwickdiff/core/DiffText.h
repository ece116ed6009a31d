#pragma once
// One side of a comparison: a text file read whole and made comparable.
// CR LF and LF both end a line, a UTF-8 or UTF-16 byte-order mark is dropped,
// and bytes that are not UTF-8 are taken as Latin-1 characters, so any text
// file loads and every line is valid UTF-8. A NUL byte near the start marks a
// binary file, which is refused rather than shown as garbage. Lines are
// views into the bytes as read; only lines that need converting are copied.
#include "apps/tarnwickdiff/core/BigBuffer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwickdiff {

class CDiffText {
public:
    enum class Status { Ok, Missing, NotAFile, Unreadable, Binary, TooLarge };
    enum class LineEnds { None, Lf, CrLf, Mixed };
    enum class Encoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, EightBit };

    // Bytes that are looked at for NUL to tell a binary file (as git does).
    static constexpr std::size_t kBinaryProbe = 8000;
    static constexpr std::size_t kMaxBytes = std::size_t(1) << 30;

    CDiffText() = default;

    static CDiffText Load(const std::string& path);
    // The same from bytes already in memory; path only names the file in messages.
    static CDiffText FromBytes(std::string_view bytes, const std::string& path);

    Status GetStatus() const { return m_status; }
    bool Ok() const { return m_status == Status::Ok; }
    const std::string& Path() const { return m_path; }
    // Why the file cannot be compared, naming it; empty when it can.
    std::string Message() const;

    std::size_t LineCount() const { return m_lines.size(); }
    // The line without its line end, valid UTF-8.
    std::string_view Line(std::size_t index) const
    {
        const LineRef& ref = m_lines[index];
        const char* base = ref.length & kDecoded ? m_decoded.data() : m_bytes.Data();
        return {base + ref.offset, ref.length & ~kDecoded};
    }
    // One number per line standing for its text: equal lines have equal
    // numbers (different lines almost never do, and the layout checks).
    const std::vector<std::uint64_t>& Identities() const { return m_identities; }
    // The same with blanks, tabs and other white space left out of every line.
    std::vector<std::uint64_t> IdentitiesIgnoringWhitespace() const;
    // Line for line the same text (line ends and encoding aside).
    bool SameLines(const CDiffText& other) const;

    LineEnds GetLineEnds() const { return m_lineEnds; }
    Encoding GetEncoding() const { return m_encoding; }
    // The longest line in bytes, for the width of the view.
    std::size_t LongestLine() const { return m_longestLine; }

private:
    // A line lies in the file's bytes, or (flag in its length) in m_decoded
    // when it had to be converted to UTF-8.
    struct LineRef {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    static constexpr std::uint32_t kDecoded = 0x80000000u;

    void Decode(std::size_t size);
    void SplitLines(const char* data, std::size_t size, bool inDecoded);

    std::string m_path;
    Status m_status = Status::Missing;
    int m_errno = 0;
    std::size_t m_size = 0;
    CBigBuffer m_bytes;
    std::string m_decoded;
    std::vector<LineRef> m_lines;
    std::vector<std::uint64_t> m_identities;
    LineEnds m_lineEnds = LineEnds::None;
    Encoding m_encoding = Encoding::Utf8;
    std::size_t m_longestLine = 0;
};

// "CR LF", "LF", "mixed CR LF and LF" or "no line end".
const char* LineEndsName(CDiffText::LineEnds ends);
// "UTF-8", "UTF-16 LE", "8-bit (Latin-1)" ...
const char* EncodingName(CDiffText::Encoding encoding);

} // namespace tarnwickdiff

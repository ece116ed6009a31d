#pragma once
// What changed inside a line that stands beside its changed counterpart: the
// words (LineTokens) that differ, diffed with the same library as the lines.
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnwickdiff {

struct ByteRange {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    bool operator==(const ByteRange&) const = default;
};

struct InlineChanges {
    std::vector<ByteRange> left;    // byte ranges of the old line, in order
    std::vector<ByteRange> right;   // ...and of the new line
};

class CInlineDiff {
public:
    // With ignoreWhitespace, blanks are never marked and never tell words apart.
    static InlineChanges Compare(std::string_view left, std::string_view right, bool ignoreWhitespace);

    // Above this many differing words a line is marked as a whole.
    static constexpr std::size_t kMaxTokens = 4000;
};

} // namespace tarnwickdiff

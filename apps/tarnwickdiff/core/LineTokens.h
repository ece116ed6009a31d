#pragma once
// A line cut into the pieces that word-level comparison works on: runs of
// letters and digits (bytes of non-ASCII characters count as letters, so no
// character is ever cut), runs of blanks, and every other character alone.
// "ip address 10.0.0.1" gives "ip", " ", "address", " ", "10", ".", "0", ...
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnwickdiff {

struct LineToken {
    std::uint32_t begin = 0;   // byte offsets in the line
    std::uint32_t end = 0;
    bool blank = false;        // blanks and tabs only
};

std::vector<LineToken> TokenizeLine(std::string_view line);

inline std::string_view TokenText(std::string_view line, const LineToken& token)
{
    return line.substr(token.begin, token.end - token.begin);
}

} // namespace tarnwickdiff

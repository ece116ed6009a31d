#pragma once
// The difference of two sequences (a file's lines, a line's words), computed
// by dtl: Wu, Manber and Myers' O(NP) algorithm, which finds the shortest
// edit script in time that grows with the number of differences rather than
// with the size of the files, as GNU diff's does.
//
// Lines are compared through their identities (CDiffText), and before dtl sees
// them the common head and tail are cut off and the lines that occur in one
// file only are set aside (they can never pair up, as GNU diff also reasons):
// what is left for the algorithm is small even for files of 200,000 lines.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnwickdiff {

// Items [oldFirst, oldFirst + oldCount) of the old sequence were replaced by
// items [newFirst, newFirst + newCount) of the new one; either count may be 0.
struct DiffHunk {
    std::size_t oldFirst = 0;
    std::size_t oldCount = 0;
    std::size_t newFirst = 0;
    std::size_t newCount = 0;
    bool operator==(const DiffHunk&) const = default;
};

class CLineDiff {
public:
    // Hunks in order, never overlapping or touching.
    static std::vector<DiffHunk> Compare(const std::vector<std::uint64_t>& oldLines,
                                         const std::vector<std::uint64_t>& newLines);
    static std::vector<DiffHunk> Compare(const std::vector<std::string_view>& oldWords,
                                         const std::vector<std::string_view>& newWords);
};

} // namespace tarnwickdiff

#pragma once
// Inside one changed block, which old line stands beside which new line. Lines
// that read alike (most words shared) are put side by side even when the
// block also gained or lost lines, so an edited description sits beside its
// old self and an inserted ACL entry gets a blank filler opposite.
#include <string_view>
#include <vector>

namespace tarnwickdiff {

class CLinePairing {
public:
    struct Row {
        int left = -1;    // index into the block's old lines, -1: filler
        int right = -1;   // index into the block's new lines, -1: filler
    };

    // Rows in order; each line of either side appears exactly once.
    static std::vector<Row> Align(const std::vector<std::string_view>& left,
                                  const std::vector<std::string_view>& right);

    // Share of words the two lines have in common, 0 to 1 (Dice coefficient
    // over their non-blank tokens; two blank lines are alike).
    static double Similarity(std::string_view a, std::string_view b);

    // Lines at least this alike are paired in preference to others.
    static constexpr double kAlike = 0.5;
    // Larger blocks are paired in order: the search grows with the product.
    static constexpr std::size_t kMaxCells = 250000;
};

} // namespace tarnwickdiff

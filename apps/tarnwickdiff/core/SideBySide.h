#pragma once
// The two texts laid out as rows of a side-by-side view: equal lines face
// each other, a changed block's lines are paired by likeness, and a line
// without a counterpart faces a filler, so both sides stay aligned. Only the
// rows of change blocks are stored; the equal rows between them follow from
// the blocks' places, so 200,000 equal lines cost nothing.
#include "apps/tarnwickdiff/core/LineDiff.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwickdiff {

class CDiffText;

enum class RowKind : std::uint8_t {
    Equal,     // same line on both sides (or same but for white space, when ignored)
    Changed,   // a line on each side, differing
    Removed,   // a left line facing a filler
    Added,     // a filler facing a right line
};

struct DiffRow {
    std::int32_t left = -1;    // line index on that side, -1 for a filler
    std::int32_t right = -1;
    RowKind kind = RowKind::Equal;
    bool operator==(const DiffRow&) const = default;
};

// One change as the user steps through them: consecutive rows that differ.
struct ChangeBlock {
    std::size_t firstRow = 0;
    std::size_t rowCount = 0;
    std::size_t leftFirst = 0;    // first line of each side within the block...
    std::size_t rightFirst = 0;
    std::size_t leftLines = 0;    // ...and how many
    std::size_t rightLines = 0;
    std::size_t stored = 0;       // index of the block's first row in the stored rows
};

class CSideBySide {
public:
    // Rows for the two texts given the hunks between their lines.
    static CSideBySide Build(const CDiffText& left, const CDiffText& right,
                             const std::vector<DiffHunk>& hunks);

    std::size_t RowCount() const { return m_rowCount; }
    DiffRow Row(std::size_t row) const;
    const std::vector<ChangeBlock>& Blocks() const { return m_blocks; }
    // The block that holds the row, or -1.
    int BlockAt(std::size_t row) const;
    // The first block that starts at or after the row, or -1.
    int BlockFrom(std::size_t row) const;
    // The row that shows the given line of the first file (its filler-free row).
    std::size_t RowOfLeftLine(std::size_t line) const;

private:
    std::vector<DiffRow> m_blockRows;
    std::vector<ChangeBlock> m_blocks;
    std::size_t m_rowCount = 0;
};

} // namespace tarnwickdiff

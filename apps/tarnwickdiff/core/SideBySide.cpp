#include "apps/tarnwickdiff/core/SideBySide.h"

#include "apps/tarnwickdiff/core/DiffText.h"
#include "apps/tarnwickdiff/core/LinePairing.h"

#include <algorithm>
#include <string_view>

namespace tarnwickdiff {

namespace {

std::vector<std::string_view> Lines(const CDiffText& text, std::size_t first, std::size_t count)
{
    std::vector<std::string_view> lines;
    lines.reserve(count);
    for (std::size_t i = first; i < first + count; ++i)
        lines.push_back(text.Line(i));
    return lines;
}

} // namespace

CSideBySide CSideBySide::Build(const CDiffText& left, const CDiffText& right,
                               const std::vector<DiffHunk>& hunks)
{
    CSideBySide layout;
    std::size_t row = 0, leftNext = 0;
    for (const DiffHunk& hunk : hunks) {
        row += hunk.oldFirst - leftNext;   // the equal rows before it
        ChangeBlock block;
        block.firstRow = row;
        block.leftFirst = hunk.oldFirst;
        block.rightFirst = hunk.newFirst;
        block.leftLines = hunk.oldCount;
        block.rightLines = hunk.newCount;
        block.stored = layout.m_blockRows.size();
        const auto pairs = CLinePairing::Align(Lines(left, hunk.oldFirst, hunk.oldCount),
                                               Lines(right, hunk.newFirst, hunk.newCount));
        for (const CLinePairing::Row& pair : pairs) {
            DiffRow r;
            r.left = pair.left < 0 ? -1 : static_cast<std::int32_t>(hunk.oldFirst) + pair.left;
            r.right = pair.right < 0 ? -1 : static_cast<std::int32_t>(hunk.newFirst) + pair.right;
            r.kind = pair.left < 0 ? RowKind::Added : pair.right < 0 ? RowKind::Removed : RowKind::Changed;
            layout.m_blockRows.push_back(r);
        }
        block.rowCount = pairs.size();
        row += block.rowCount;
        leftNext = hunk.oldFirst + hunk.oldCount;
        layout.m_blocks.push_back(block);
    }
    layout.m_rowCount = row + (left.LineCount() - std::min(leftNext, left.LineCount()));
    return layout;
}

DiffRow CSideBySide::Row(std::size_t row) const
{
    // The last block starting at or before the row.
    const auto after = std::upper_bound(m_blocks.begin(), m_blocks.end(), row,
                                        [](std::size_t r, const ChangeBlock& b) { return r < b.firstRow; });
    if (after == m_blocks.begin())
        return {static_cast<std::int32_t>(row), static_cast<std::int32_t>(row), RowKind::Equal};
    const ChangeBlock& block = *(after - 1);
    const std::size_t into = row - block.firstRow;
    if (into < block.rowCount)
        return m_blockRows[block.stored + into];
    const std::size_t past = into - block.rowCount;
    return {static_cast<std::int32_t>(block.leftFirst + block.leftLines + past),
            static_cast<std::int32_t>(block.rightFirst + block.rightLines + past), RowKind::Equal};
}

int CSideBySide::BlockAt(std::size_t row) const
{
    const auto after = std::upper_bound(m_blocks.begin(), m_blocks.end(), row,
                                        [](std::size_t r, const ChangeBlock& b) { return r < b.firstRow; });
    if (after == m_blocks.begin())
        return -1;
    const ChangeBlock& block = *(after - 1);
    return row < block.firstRow + block.rowCount ? static_cast<int>(after - 1 - m_blocks.begin()) : -1;
}

int CSideBySide::BlockFrom(std::size_t row) const
{
    const auto it = std::lower_bound(m_blocks.begin(), m_blocks.end(), row,
                                     [](const ChangeBlock& b, std::size_t r) { return b.firstRow < r; });
    return it == m_blocks.end() ? -1 : static_cast<int>(it - m_blocks.begin());
}

std::size_t CSideBySide::RowOfLeftLine(std::size_t line) const
{
    // The last block whose left lines start at or before the line.
    const auto after = std::upper_bound(m_blocks.begin(), m_blocks.end(), line,
                                        [](std::size_t l, const ChangeBlock& b) { return l < b.leftFirst; });
    if (after == m_blocks.begin())
        return std::min(line, m_rowCount ? m_rowCount - 1 : 0);
    const ChangeBlock& block = *(after - 1);
    if (line < block.leftFirst + block.leftLines) {
        for (std::size_t i = 0; i < block.rowCount; ++i)
            if (m_blockRows[block.stored + i].left == static_cast<std::int32_t>(line))
                return block.firstRow + i;
    }
    const std::size_t row = block.firstRow + block.rowCount + (line - block.leftFirst - block.leftLines);
    return std::min(row, m_rowCount ? m_rowCount - 1 : 0);
}

} // namespace tarnwickdiff

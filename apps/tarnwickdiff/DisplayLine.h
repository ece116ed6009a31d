#pragma once
// A line as the panes draw it: UTF-8 turned into a QString with tabs expanded
// to columns of 8, control characters shown as their visible symbols (a stray
// CR reads as ␍), and very long lines cut with the rest counted; the changed
// words' byte ranges are carried over to positions in that string.
#include "apps/tarnwickdiff/core/InlineDiff.h"

#include <QString>

#include <string_view>
#include <utility>
#include <vector>

namespace tarnwickdiff {

class CDisplayLine {
public:
    static constexpr int kTabWidth = 8;
    static constexpr int kMaxColumns = 10000;

    CDisplayLine(std::string_view utf8, const std::vector<ByteRange>& marks);

    const QString& Text() const { return m_text; }
    // [begin, end) in Text(), in order.
    const std::vector<std::pair<int, int>>& Marks() const { return m_marks; }
    // Characters beyond kMaxColumns that are not shown.
    int Omitted() const { return m_omitted; }

private:
    QString m_text;
    std::vector<std::pair<int, int>> m_marks;
    int m_omitted = 0;
};

} // namespace tarnwickdiff

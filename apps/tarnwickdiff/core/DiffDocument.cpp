#include "apps/tarnwickdiff/core/DiffDocument.h"

#include <algorithm>
#include <future>

namespace tarnwickdiff {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool SameIgnoringWhitespace(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    for (;;) {
        while (i < a.size() && IsBlank(a[i]))
            ++i;
        while (j < b.size() && IsBlank(b[j]))
            ++j;
        if (i == a.size() || j == b.size())
            return i == a.size() && j == b.size();
        if (a[i++] != b[j++])
            return false;
    }
}

} // namespace

bool CDiffDocument::Load(const std::string& leftPath, const std::string& rightPath, std::string& message)
{
    // Two large configurations read and split in half the time on two cores.
    auto left = std::async(std::launch::async, [&leftPath] { return CDiffText::Load(leftPath); });
    m_right = CDiffText::Load(rightPath);
    m_left = left.get();
    m_layout = CSideBySide();
    m_inline.clear();
    message.clear();
    for (const CDiffText* text : {&m_left, &m_right}) {
        if (text->Ok())
            continue;
        if (!message.empty())
            message += "\n";
        message += text->Message();
    }
    return message.empty();
}

void CDiffDocument::Compare(bool ignoreWhitespace)
{
    m_ignoreWhitespace = ignoreWhitespace;
    m_inline.clear();
    const std::vector<DiffHunk> hunks =
        ignoreWhitespace
            ? CLineDiff::Compare(m_left.IdentitiesIgnoringWhitespace(), m_right.IdentitiesIgnoringWhitespace())
            : CLineDiff::Compare(m_left.Identities(), m_right.Identities());
    m_layout = CSideBySide::Build(m_left, m_right, Verified(m_left, m_right, hunks, ignoreWhitespace));
}

bool CDiffDocument::Open(const std::string& leftPath, const std::string& rightPath, bool ignoreWhitespace,
                         std::string& message)
{
    if (!Load(leftPath, rightPath, message))
        return false;
    Compare(ignoreWhitespace);
    return true;
}

std::vector<DiffHunk> CDiffDocument::Verified(const CDiffText& left, const CDiffText& right,
                                              const std::vector<DiffHunk>& hunks, bool ignoreWhitespace)
{
    std::vector<DiffHunk> checked;
    checked.reserve(hunks.size());
    std::size_t l = 0, r = 0;
    const auto checkUpTo = [&](std::size_t leftEnd) {
        for (; l < leftEnd && r < right.LineCount(); ++l, ++r) {
            const std::string_view a = left.Line(l), b = right.Line(r);
            if (ignoreWhitespace ? !SameIgnoringWhitespace(a, b) : a != b)
                checked.push_back({l, 1, r, 1});
        }
    };
    for (const DiffHunk& hunk : hunks) {
        checkUpTo(hunk.oldFirst);
        checked.push_back(hunk);
        l = hunk.oldFirst + hunk.oldCount;
        r = hunk.newFirst + hunk.newCount;
    }
    checkUpTo(left.LineCount());
    return checked;
}

std::string CDiffDocument::IdenticalText() const
{
    if (!m_layout.Blocks().empty())
        return {};
    if (!m_left.SameLines(m_right))
        return "The files are identical apart from white space.";
    std::string text = "The files are identical.";
    if (m_left.GetLineEnds() != m_right.GetLineEnds())
        text += std::string(" Only their line ends differ (") + LineEndsName(m_left.GetLineEnds()) +
                " and " + LineEndsName(m_right.GetLineEnds()) + ").";
    else if (m_left.GetEncoding() != m_right.GetEncoding())
        text += std::string(" Only their encodings differ (") + EncodingName(m_left.GetEncoding()) +
                " and " + EncodingName(m_right.GetEncoding()) + ").";
    return text;
}

const InlineChanges& CDiffDocument::InlineAt(std::size_t row) const
{
    static const InlineChanges none;
    if (row >= m_layout.RowCount())
        return none;
    const DiffRow r = m_layout.Row(row);
    if (r.kind != RowKind::Changed)
        return none;
    auto it = m_inline.find(row);
    if (it == m_inline.end())
        it = m_inline.emplace(row, CInlineDiff::Compare(m_left.Line(r.left), m_right.Line(r.right),
                                                        m_ignoreWhitespace)).first;
    return it->second;
}

} // namespace tarnwickdiff

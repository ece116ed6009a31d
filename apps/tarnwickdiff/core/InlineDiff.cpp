#include "apps/tarnwickdiff/core/InlineDiff.h"

#include "apps/tarnwickdiff/core/LineDiff.h"
#include "apps/tarnwickdiff/core/LineTokens.h"

#include <algorithm>

namespace tarnwickdiff {

namespace {

std::vector<LineToken> Tokens(std::string_view line, bool ignoreWhitespace)
{
    std::vector<LineToken> tokens = TokenizeLine(line);
    if (ignoreWhitespace)
        std::erase_if(tokens, [](const LineToken& t) { return t.blank; });
    return tokens;
}

// Adds a token's bytes, joining it to the previous range when only blanks lie
// between them, so "to core-2" reads as one mark rather than three.
void Mark(std::vector<ByteRange>& ranges, std::string_view line, const LineToken& token)
{
    if (!ranges.empty() && ranges.back().end <= token.begin) {
        ByteRange& last = ranges.back();
        const std::string_view between = line.substr(last.end, token.begin - last.end);
        if (between.find_first_not_of(" \t") == std::string_view::npos) {
            last.end = token.end;
            return;
        }
    }
    ranges.push_back({token.begin, token.end});
}

void MarkAll(std::vector<ByteRange>& ranges, std::string_view line,
             const std::vector<LineToken>& tokens, std::size_t first, std::size_t last)
{
    for (std::size_t i = first; i < last; ++i)
        Mark(ranges, line, tokens[i]);
}

} // namespace

InlineChanges CInlineDiff::Compare(std::string_view left, std::string_view right, bool ignoreWhitespace)
{
    const std::vector<LineToken> a = Tokens(left, ignoreWhitespace);
    const std::vector<LineToken> b = Tokens(right, ignoreWhitespace);
    const auto same = [&](std::size_t i, std::size_t j) {
        return TokenText(left, a[i]) == TokenText(right, b[j]);
    };
    // Common words at both ends need no diff.
    std::size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && same(prefix, prefix))
        ++prefix;
    std::size_t endA = a.size(), endB = b.size();
    while (endA > prefix && endB > prefix && same(endA - 1, endB - 1)) {
        --endA;
        --endB;
    }

    InlineChanges changes;
    const std::size_t countA = endA - prefix, countB = endB - prefix;
    if (countA == 0 || countB == 0 || countA + countB > kMaxTokens) {
        MarkAll(changes.left, left, a, prefix, endA);
        MarkAll(changes.right, right, b, prefix, endB);
        return changes;
    }
    std::vector<std::string_view> wordsA, wordsB;
    for (std::size_t i = prefix; i < endA; ++i)
        wordsA.push_back(TokenText(left, a[i]));
    for (std::size_t i = prefix; i < endB; ++i)
        wordsB.push_back(TokenText(right, b[i]));
    const std::vector<DiffHunk> hunks = CLineDiff::Compare(wordsA, wordsB);
    for (const DiffHunk& hunk : hunks) {
        MarkAll(changes.left, left, a, prefix + hunk.oldFirst, prefix + hunk.oldFirst + hunk.oldCount);
        MarkAll(changes.right, right, b, prefix + hunk.newFirst, prefix + hunk.newFirst + hunk.newCount);
    }
    return changes;
}

} // namespace tarnwickdiff

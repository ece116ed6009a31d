#include "apps/tarnwickdiff/core/LinePairing.h"

#include "apps/tarnwickdiff/core/LineTokens.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace tarnwickdiff {

namespace {

// A line's words as a sorted multiset of hashes; the first ones tell enough
// of a very long line.
std::vector<std::size_t> WordBag(std::string_view line)
{
    constexpr std::size_t kMaxWords = 256;
    std::vector<std::size_t> bag;
    for (const LineToken& token : TokenizeLine(line.substr(0, 4 * kMaxWords)))
        if (!token.blank && bag.size() < kMaxWords)
            bag.push_back(std::hash<std::string_view>{}(TokenText(line, token)));
    std::sort(bag.begin(), bag.end());
    return bag;
}

double Dice(const std::vector<std::size_t>& a, const std::vector<std::size_t>& b)
{
    if (a.empty() && b.empty())
        return 1.0;
    std::size_t common = 0;
    for (std::size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        if (a[i] == b[j]) {
            ++common;
            ++i;
            ++j;
        } else if (a[i] < b[j]) {
            ++i;
        } else {
            ++j;
        }
    }
    return 2.0 * static_cast<double>(common) / static_cast<double>(a.size() + b.size());
}

// Puts the unpaired lines between two anchors side by side in order; what is
// left over on one side faces fillers.
void AddGap(std::vector<CLinePairing::Row>& rows, int left, int leftEnd, int right, int rightEnd)
{
    while (left < leftEnd && right < rightEnd)
        rows.push_back({left++, right++});
    while (left < leftEnd)
        rows.push_back({left++, -1});
    while (right < rightEnd)
        rows.push_back({-1, right++});
}

} // namespace

double CLinePairing::Similarity(std::string_view a, std::string_view b)
{
    return Dice(WordBag(a), WordBag(b));
}

std::vector<CLinePairing::Row> CLinePairing::Align(const std::vector<std::string_view>& left,
                                                   const std::vector<std::string_view>& right)
{
    const int m = static_cast<int>(left.size());
    const int n = static_cast<int>(right.size());
    std::vector<Row> rows;
    rows.reserve(std::max(m, n));
    if (m == 0 || n == 0 || left.size() * right.size() > kMaxCells) {
        AddGap(rows, 0, m, 0, n);
        return rows;
    }

    std::vector<std::vector<std::size_t>> leftBags, rightBags;
    for (std::string_view line : left)
        leftBags.push_back(WordBag(line));
    for (std::string_view line : right)
        rightBags.push_back(WordBag(line));

    // Most total likeness over pairs of alike lines that keep both orders:
    // a weighted longest common subsequence.
    enum : std::uint8_t { kUp, kLeft, kDiagonal };
    const std::size_t width = static_cast<std::size_t>(n) + 1;
    std::vector<double> score((static_cast<std::size_t>(m) + 1) * width, 0.0);
    std::vector<std::uint8_t> step(score.size(), kUp);
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= n; ++j) {
            const std::size_t at = i * width + j;
            double best = score[at - width];
            std::uint8_t how = kUp;
            if (score[at - 1] > best) {
                best = score[at - 1];
                how = kLeft;
            }
            const double alike = Dice(leftBags[i - 1], rightBags[j - 1]);
            if (alike >= kAlike && score[at - width - 1] + alike > best) {
                best = score[at - width - 1] + alike;
                how = kDiagonal;
            }
            score[at] = best;
            step[at] = how;
        }
    }
    std::vector<Row> anchors;
    for (int i = m, j = n; i > 0 && j > 0;) {
        const std::uint8_t how = step[i * width + j];
        if (how == kDiagonal) {
            anchors.push_back({i - 1, j - 1});
            --i;
            --j;
        } else if (how == kUp) {
            --i;
        } else {
            --j;
        }
    }
    std::reverse(anchors.begin(), anchors.end());

    int nextLeft = 0, nextRight = 0;
    for (const Row& anchor : anchors) {
        AddGap(rows, nextLeft, anchor.left, nextRight, anchor.right);
        rows.push_back(anchor);
        nextLeft = anchor.left + 1;
        nextRight = anchor.right + 1;
    }
    AddGap(rows, nextLeft, m, nextRight, n);
    return rows;
}

} // namespace tarnwickdiff

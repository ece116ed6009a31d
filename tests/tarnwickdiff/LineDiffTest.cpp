// The line difference: the library's result survives the cutting of common
// ends and the setting aside of one-sided lines, and a shared identity of two
// different lines never hides a change.
#include "apps/tarnwickdiff/core/DiffDocument.h"
#include "apps/tarnwickdiff/core/LineDiff.h"

#include <dtl/dtl.hpp>
#include <gtest/gtest.h>

#include <random>

using namespace tarnwickdiff;
using Ids = std::vector<std::uint64_t>;

namespace {

// How many items the hunks leave in common, after checking that they are
// ordered and that every item between them is equal on both sides.
std::size_t CommonCount(const Ids& a, const Ids& b, const std::vector<DiffHunk>& hunks)
{
    std::size_t i = 0, j = 0, common = 0;
    const auto equalUpTo = [&](std::size_t iEnd) {
        for (; i < iEnd; ++i, ++j, ++common) {
            EXPECT_LT(j, b.size());
            if (j < b.size()) {
                EXPECT_EQ(a[i], b[j]) << "at " << i << "/" << j;
            }
        }
    };
    for (const DiffHunk& h : hunks) {
        EXPECT_GE(h.oldFirst, i);
        equalUpTo(h.oldFirst);
        EXPECT_EQ(h.newFirst, j);
        EXPECT_TRUE(h.oldCount || h.newCount);
        i = h.oldFirst + h.oldCount;
        j = h.newFirst + h.newCount;
    }
    equalUpTo(a.size());
    EXPECT_EQ(j, b.size());
    return common;
}

std::size_t LcsLength(const Ids& a, const Ids& b)
{
    dtl::Diff<std::uint64_t> diff(a, b);
    diff.compose();
    return diff.getLcsVec().size();
}

} // namespace

TEST(LineDiff, KeepsTheLongestCommonSubsequenceOfTheWholeFiles)
{
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        // Few distinct values, so that many lines repeat (like "!" and
        // " no shutdown") and some occur on one side only.
        Ids a(random() % 120), b;
        for (auto& id : a)
            id = random() % 40;
        for (const std::uint64_t id : a) {
            const unsigned roll = random() % 10;
            if (roll == 0)
                continue;                          // removed
            if (roll == 1)
                b.push_back(1000 + random() % 30); // one-sided
            b.push_back(roll == 2 ? random() % 40 : id);
        }
        const std::vector<DiffHunk> hunks = CLineDiff::Compare(a, b);
        ASSERT_EQ(CommonCount(a, b, hunks), LcsLength(a, b)) << "round " << round;
    }
}

TEST(LineDiff, EdgeCases)
{
    EXPECT_TRUE(CLineDiff::Compare(Ids{1, 2, 3}, Ids{1, 2, 3}).empty());
    EXPECT_EQ(CLineDiff::Compare(Ids{}, Ids{7, 8}), (std::vector<DiffHunk>{{0, 0, 0, 2}}));
    EXPECT_EQ(CLineDiff::Compare(Ids{7, 8}, Ids{}), (std::vector<DiffHunk>{{0, 2, 0, 0}}));
    // Only one-sided lines differ: no search, exact places.
    EXPECT_EQ(CLineDiff::Compare(Ids{1, 2, 3, 4}, Ids{1, 9, 3, 4, 8}),
              (std::vector<DiffHunk>{{1, 1, 1, 1}, {4, 0, 4, 1}}));
    // Longer left than right (the library swaps the two internally).
    const Ids longer{5, 1, 5, 2, 5}, shorter{5, 2};
    EXPECT_EQ(CommonCount(longer, shorter, CLineDiff::Compare(longer, shorter)), 2u);
    EXPECT_EQ(CommonCount(shorter, longer, CLineDiff::Compare(shorter, longer)), 2u);
}

TEST(LineDiff, LinesThatShareAnIdentityButDifferAreShownAsChanged)
{
    const CDiffText left = CDiffText::FromBytes("a\nsame\nb\nc\n", "l");
    const CDiffText right = CDiffText::FromBytes("a\nsame\nB\nc\nd\n", "r");
    // As if "b" and "B" had come out with one identity: the search saw only the added "d".
    const std::vector<DiffHunk> searched{{4, 0, 4, 1}};
    EXPECT_EQ(CDiffDocument::Verified(left, right, searched, false),
              (std::vector<DiffHunk>{{2, 1, 2, 1}, {4, 0, 4, 1}}));
    const CDiffText spaced = CDiffText::FromBytes("a\n same \nb\nc\n", "s");
    EXPECT_EQ(CDiffDocument::Verified(left, spaced, {}, true), std::vector<DiffHunk>{});
    EXPECT_EQ(CDiffDocument::Verified(left, spaced, {}, false), (std::vector<DiffHunk>{{1, 1, 1, 1}}));
}

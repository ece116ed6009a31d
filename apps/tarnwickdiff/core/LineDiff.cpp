#include "apps/tarnwickdiff/core/LineDiff.h"

#include "apps/tarnwickdiff/core/BigBuffer.h"

#include <dtl/dtl.hpp>

#include <algorithm>

namespace tarnwickdiff {

namespace {

// Which identities occur on one side: a bit per hash bucket, so a line of
// the other side whose bucket is empty surely does not occur there. A shared
// bucket only keeps a line in the search that could have been set aside.
class CPresence {
public:
    explicit CPresence(std::size_t items)
    {
        std::size_t bits = 1 << 16;
        while (bits < 32 * items)
            bits *= 2;
        m_mask = bits - 1;
        m_buffer = CBigBuffer(bits / 8);
        m_words = reinterpret_cast<std::uint64_t*>(m_buffer.Data());
    }
    bool Ok() const { return m_words != nullptr; }
    void Add(std::uint64_t id)
    {
        const std::uint64_t bit = Bucket(id);
        m_words[bit >> 6] |= std::uint64_t(1) << (bit & 63);
    }
    bool MayHold(std::uint64_t id) const
    {
        const std::uint64_t bit = Bucket(id);
        return m_words[bit >> 6] >> (bit & 63) & 1;
    }

private:
    std::uint64_t Bucket(std::uint64_t id) const { return (id ^ (id >> 31)) & m_mask; }

    CBigBuffer m_buffer;   // fresh pages read as zero: every bucket starts empty
    std::uint64_t* m_words = nullptr;
    std::uint64_t m_mask = 0;
};

// Calls common(i, j) for each pair of items that dtl keeps in common, in order.
template <typename T, typename F>
void ForEachCommon(const std::vector<T>& a, const std::vector<T>& b, bool large, F common)
{
    if (a.empty() || b.empty())
        return;
    dtl::Diff<T> diff(a, b);
    if (large)
        diff.onHuge();   // its path storage reserved once rather than grown by copying
    diff.compose();
    const auto ses = diff.getSes();   // dtl hands out copies only
    const auto sequence = ses.getSequence();
    for (const auto& [item, info] : sequence)
        if (info.type == dtl::SES_COMMON)
            common(static_cast<std::size_t>(info.beforeIdx - 1), static_cast<std::size_t>(info.afterIdx - 1));
}

// Turns the pairs in common, given in order, into the hunks between them.
class CHunkCollector {
public:
    // Items before `start` are in common on both sides.
    explicit CHunkCollector(std::size_t start = 0) : m_oldNext(start), m_newNext(start) {}
    void Common(std::size_t oldIndex, std::size_t newIndex)
    {
        Gap(oldIndex, newIndex);
        m_oldNext = oldIndex + 1;
        m_newNext = newIndex + 1;
    }
    // The hunks, the last one ending where the sides are in common to their ends.
    std::vector<DiffHunk> Finish(std::size_t oldEnd, std::size_t newEnd)
    {
        Gap(oldEnd, newEnd);
        return std::move(m_hunks);
    }

private:
    void Gap(std::size_t oldEnd, std::size_t newEnd)
    {
        if (oldEnd > m_oldNext || newEnd > m_newNext)
            m_hunks.push_back({m_oldNext, oldEnd - m_oldNext, m_newNext, newEnd - m_newNext});
    }

    std::vector<DiffHunk> m_hunks;
    std::size_t m_oldNext;
    std::size_t m_newNext;
};

} // namespace

std::vector<DiffHunk> CLineDiff::Compare(const std::vector<std::uint64_t>& oldLines,
                                         const std::vector<std::uint64_t>& newLines)
{
    // The common head and tail are equal rows as they stand.
    std::size_t head = 0;
    while (head < oldLines.size() && head < newLines.size() && oldLines[head] == newLines[head])
        ++head;
    std::size_t oldEnd = oldLines.size(), newEnd = newLines.size();
    while (oldEnd > head && newEnd > head && oldLines[oldEnd - 1] == newLines[newEnd - 1]) {
        --oldEnd;
        --newEnd;
    }

    if (head == oldEnd || head == newEnd) {
        // One side's middle is empty: a plain insertion or removal, or nothing.
        if (head == oldEnd && head == newEnd)
            return {};
        return {{head, oldEnd - head, head, newEnd - head}};
    }

    // Lines found on one side only cannot be in common: the algorithm sees
    // only the others, with their places remembered.
    CPresence inOld(oldEnd - head), inNew(newEnd - head);
    const bool filter = inOld.Ok() && inNew.Ok();
    if (filter) {
        for (std::size_t i = head; i < oldEnd; ++i)
            inOld.Add(oldLines[i]);
        for (std::size_t i = head; i < newEnd; ++i)
            inNew.Add(newLines[i]);
    }
    std::vector<std::uint64_t> oldKept, newKept;
    std::vector<std::uint32_t> oldPlace, newPlace;
    oldKept.reserve(oldEnd - head);
    oldPlace.reserve(oldEnd - head);
    newKept.reserve(newEnd - head);
    newPlace.reserve(newEnd - head);
    for (std::size_t i = head; i < oldEnd; ++i)
        if (!filter || inNew.MayHold(oldLines[i])) {
            oldKept.push_back(oldLines[i]);
            oldPlace.push_back(static_cast<std::uint32_t>(i));
        }
    for (std::size_t i = head; i < newEnd; ++i)
        if (!filter || inOld.MayHold(newLines[i])) {
            newKept.push_back(newLines[i]);
            newPlace.push_back(static_cast<std::uint32_t>(i));
        }

    CHunkCollector hunks(head);
    if (oldKept == newKept) {
        // Nothing but lines of one side differs: no search needed.
        for (std::size_t i = 0; i < oldKept.size(); ++i)
            hunks.Common(oldPlace[i], newPlace[i]);
    } else {
        ForEachCommon(oldKept, newKept, true,
                      [&](std::size_t o, std::size_t n) { hunks.Common(oldPlace[o], newPlace[n]); });
    }
    return hunks.Finish(oldEnd, newEnd);   // the common tail follows
}

std::vector<DiffHunk> CLineDiff::Compare(const std::vector<std::string_view>& oldWords,
                                         const std::vector<std::string_view>& newWords)
{
    CHunkCollector hunks;
    ForEachCommon(oldWords, newWords, false, [&](std::size_t o, std::size_t n) { hunks.Common(o, n); });
    return hunks.Finish(oldWords.size(), newWords.size());
}

} // namespace tarnwickdiff

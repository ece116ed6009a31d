#include "host/compare/TextChangeCounter.h"

#include "host/netutil/CliText.h"

#include <dtl/dtl.hpp>

#include <vector>

CTextChangeCounter::Counts CTextChangeCounter::Count(std::string_view first, std::string_view second)
{
    std::vector<std::string_view> a = CliText::SplitLines(first);
    std::vector<std::string_view> b = CliText::SplitLines(second);
    // The common head and tail need no edit script: most changed files differ
    // in a few lines, and dtl then sees only those.
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    std::vector<std::string_view> restA(a.begin() + head, a.end() - tail);
    std::vector<std::string_view> restB(b.begin() + head, b.end() - tail);
    Counts counts;
    if (restA.empty() || restB.empty()) {
        counts.removed = restA.size();
        counts.added = restB.size();
        return counts;
    }
    dtl::Diff<std::string_view, std::vector<std::string_view>> diff(restA, restB);
    diff.compose();
    for (const auto& element : diff.getSes().getSequence()) {
        if (element.second.type == dtl::SES_ADD)
            ++counts.added;
        else if (element.second.type == dtl::SES_DELETE)
            ++counts.removed;
    }
    return counts;
}

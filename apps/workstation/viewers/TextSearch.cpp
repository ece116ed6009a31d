#include "apps/workstation/viewers/TextSearch.h"

#include <algorithm>
#include <iterator>

namespace workstation {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

unsigned char FoldCase(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

} // namespace

// Horspool's search with the case folded on both sides: one table lookup a
// step (std::boyer_moore_horspool_searcher with a folding predicate falls
// back to a hash map).
std::size_t FindIgnoringCase(std::string_view haystack, std::string_view needle)
{
    const std::size_t m = needle.size();
    const std::size_t n = haystack.size();
    if (m == 0)
        return 0;
    if (m > n)
        return std::string_view::npos;
    std::size_t skip[256];
    std::fill(std::begin(skip), std::end(skip), m);
    for (std::size_t i = 0; i + 1 < m; ++i)
        skip[FoldCase(needle[i])] = m - 1 - i;
    const unsigned char tail = FoldCase(needle[m - 1]);
    for (std::size_t i = 0; i + m <= n;) {
        const unsigned char c = FoldCase(haystack[i + m - 1]);
        if (c == tail) {
            std::size_t k = 0;
            while (k + 1 < m && FoldCase(haystack[i + k]) == FoldCase(needle[k]))
                ++k;
            if (k + 1 >= m)
                return i;
        }
        i += skip[c];
    }
    return std::string_view::npos;
}

int NaturalCompare(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Compare digit runs by value: skip leading zeros, then the
            // longer run is the bigger number, else the first differing digit.
            std::size_t ai = i;
            std::size_t bj = j;
            while (ai < a.size() && a[ai] == '0')
                ++ai;
            while (bj < b.size() && b[bj] == '0')
                ++bj;
            std::size_t ae = ai;
            std::size_t be = bj;
            while (ae < a.size() && IsDigit(a[ae]))
                ++ae;
            while (be < b.size() && IsDigit(b[be]))
                ++be;
            if (ae - ai != be - bj)
                return ae - ai < be - bj ? -1 : 1;
            for (std::size_t k = 0; k < ae - ai; ++k)
                if (a[ai + k] != b[bj + k])
                    return a[ai + k] < b[bj + k] ? -1 : 1;
            i = ae;
            j = be;
            continue;
        }
        const char ca = Lower(a[i]);
        const char cb = Lower(b[j]);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    // Equal but for case or leading zeros: the bytes decide, for a stable order.
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

} // namespace workstation

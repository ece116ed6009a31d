#include "apps/workstation/viewers/TextSearch.h"

#include <algorithm>
#include <iterator>

namespace workstation {

namespace {

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

} // namespace workstation

#include "guidataset/showcmd/core/ResultTextSearch.h"

#include <array>
#include <cwctype>
#include <string>

namespace {

// Case folding: ASCII, Latin-1, Greek and Cyrillic capitals by rule (what
// device output and notes hold), anything else through the C library.
char16_t Fold(char16_t c)
{
    if (c < 128)
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<char16_t>(c + 80);
    if (c >= 0xD800 && c <= 0xDFFF)   // half of a surrogate pair: compared as it is
        return c;
    return static_cast<char16_t>(std::towlower(static_cast<wint_t>(c)));
}

// Skip tables are indexed by the low byte of the folded unit; a collision only
// makes a skip shorter, never wrong.
constexpr std::size_t kTable = 256;

} // namespace

std::ptrdiff_t FindTextIgnoringCase(std::u16string_view text, std::u16string_view keyword, std::size_t from)
{
    const std::size_t m = keyword.size();
    if (m == 0 || from > text.size() || text.size() - from < m)
        return -1;
    std::u16string folded(m, u'\0');
    for (std::size_t i = 0; i < m; ++i)
        folded[i] = Fold(keyword[i]);

    // Horspool: the shift for the text unit under the keyword's last place.
    std::array<std::size_t, kTable> shift;
    shift.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i)
        shift[folded[i] & 0xFF] = m - 1 - i;

    const char16_t last = folded[m - 1];
    std::size_t pos = from;
    const std::size_t end = text.size() - m;
    while (pos <= end) {
        const char16_t c = Fold(text[pos + m - 1]);
        if (c == last) {
            std::size_t i = 0;
            while (i + 1 < m && Fold(text[pos + i]) == folded[i])
                ++i;
            if (i + 1 == m)
                return static_cast<std::ptrdiff_t>(pos);
        }
        pos += shift[c & 0xFF];
    }
    return -1;
}

#include "host/netmodel/MacAddress.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Separators may only stand where the spelling puts them: after every 4 hex
// digits for '.', after every 2 for ':' and '-', nowhere for the bare form.
bool SeparatorsFit(const std::string& text, char sep, std::size_t group)
{
    std::size_t run = 0, groups = 0;
    for (char c : text) {
        if (c == sep) {
            if (run != group)
                return false;
            run = 0;
            ++groups;
        } else {
            ++run;
        }
    }
    return run == group && groups + 1 == 12 / group;
}

} // namespace

MacAddress::MacAddress(const std::string& rawText)
{
    std::string text = rawText;
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t\r");
    text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);

    char sep = 0;
    if (text.size() == 14)
        sep = '.';
    else if (text.size() == 17)
        sep = text[2];
    else if (text.size() != 12)
        return;
    if (sep != 0 && !(sep == '.' || sep == ':' || sep == '-'))
        return;
    if (sep != 0 && !SeparatorsFit(text, sep, sep == '.' ? 4 : 2))
        return;

    std::string digits;
    for (char c : text) {
        if (c == sep && sep != 0)
            continue;
        if (HexValue(c) < 0)
            return;
        digits += c;
    }
    if (digits.size() != 12)
        return;
    for (std::size_t i = 0; i < 6; ++i)
        m_bytes[i] = static_cast<std::uint8_t>(HexValue(digits[2 * i]) * 16 + HexValue(digits[2 * i + 1]));
    m_valid = true;
}

std::string MacAddress::ToString() const
{
    if (!m_valid)
        return {};
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < 6; ++i) {
        if (i == 2 || i == 4)
            out += '.';
        out += hex[m_bytes[i] >> 4];
        out += hex[m_bytes[i] & 0x0f];
    }
    return out;
}

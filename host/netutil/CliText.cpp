#include "CliText.h"

namespace {

char Lower(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// ASCII only, without the locale lookup of isxdigit: called for every byte of every MAC.
bool IsHex(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// "a.b.c.d" parts, each 1-3 digits and at most 255; parts out when given.
bool ParseQuad(std::string_view text, unsigned (*parts)[4])
{
    unsigned values[4] = {};
    int part = 0;
    int digits = 0;
    for (char ch : text) {
        if (ch == '.') {
            if (digits == 0 || part == 3)
                return false;
            ++part;
            digits = 0;
        } else if (ch >= '0' && ch <= '9') {
            if (++digits > 3)
                return false;
            values[part] = values[part] * 10 + static_cast<unsigned>(ch - '0');
            if (values[part] > 255)
                return false;
        } else {
            return false;
        }
    }
    if (part != 3 || digits == 0)
        return false;
    if (parts)
        for (int i = 0; i < 4; ++i)
            (*parts)[i] = values[i];
    return true;
}

} // namespace

char CliText::LineEnd(std::string_view text)
{
    // Text with LFs stops the search at its first line.
    return text.find('\n') == std::string_view::npos && text.find('\r') != std::string_view::npos ? '\r' : '\n';
}

std::vector<std::string_view> CliText::SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

std::vector<std::string_view> CliText::Tokens(std::string_view line)
{
    std::vector<std::string_view> tokens;
    Tokens(line, tokens);
    return tokens;
}

void CliText::Tokens(std::string_view line, std::vector<std::string_view>& tokens)
{
    tokens.clear();
    const char* p = line.data();
    const char* const end = p + line.size();
    while (p < end) {
        while (p < end && IsBlank(static_cast<unsigned char>(*p)))
            ++p;
        const char* const start = p;
        while (p < end && !IsBlank(static_cast<unsigned char>(*p)))
            ++p;
        if (p > start)
            tokens.emplace_back(start, static_cast<std::size_t>(p - start));
    }
}

std::vector<std::string_view> CliText::SplitCommas(std::string_view line)
{
    std::vector<std::string_view> parts;
    SplitCommas(line, parts);
    return parts;
}

void CliText::SplitCommas(std::string_view line, std::vector<std::string_view>& parts)
{
    parts.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            parts.push_back(Trim(line.substr(start)));
            return;
        }
        parts.push_back(Trim(line.substr(start, comma - start)));
        start = comma + 1;
    }
}

std::string_view CliText::Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool CliText::EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

bool CliText::StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::size_t CliText::FindNoCase(std::string_view text, std::string_view needle)
{
    if (needle.empty())
        return 0;
    if (needle.size() > text.size())
        return std::string_view::npos;
    const char first = Lower(needle.front());
    for (std::size_t i = 0; i + needle.size() <= text.size(); ++i)
        if (Lower(text[i]) == first && EqualsNoCase(text.substr(i, needle.size()), needle))
            return i;
    return std::string_view::npos;
}

bool CliText::IsDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    return true;
}

bool CliText::IsIPv4(std::string_view text)
{
    return ParseQuad(text, nullptr);
}

bool CliText::IsIPv4Prefix(std::string_view text, std::string_view* address, std::string_view* length)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return false;
    const std::string_view addr = text.substr(0, slash);
    const std::string_view len = text.substr(slash + 1);
    if (!IsIPv4(addr) || !IsDigits(len) || len.size() > 2)
        return false;
    if ((len.size() == 2 && (len[0] - '0') * 10 + (len[1] - '0') > 32))
        return false;
    if (address)
        *address = addr;
    if (length)
        *length = len;
    return true;
}

int CliText::MaskLength(std::string_view mask)
{
    unsigned parts[4];
    if (!ParseQuad(mask, &parts))
        return -1;
    const unsigned long value = (static_cast<unsigned long>(parts[0]) << 24) | (parts[1] << 16) |
                                (parts[2] << 8) | parts[3];
    int length = 0;
    unsigned long bit = 1UL << 31;
    while (bit && (value & bit)) {
        ++length;
        bit >>= 1;
    }
    // Every bit below the first zero must be zero as well.
    const unsigned long expected = length == 0 ? 0 : (0xFFFFFFFFUL << (32 - length)) & 0xFFFFFFFFUL;
    return value == expected ? length : -1;
}

bool CliText::IsMacAddress(std::string_view text)
{
    if (text.size() == 14) {
        // Separators first: most tokens tried are no address, and fail there.
        if (text[4] != '.' || text[9] != '.')
            return false;
        for (const std::size_t group : {0u, 5u, 10u})
            if (!IsHex(text[group]) || !IsHex(text[group + 1]) || !IsHex(text[group + 2]) || !IsHex(text[group + 3]))
                return false;
        return true;
    }
    if (text.size() == 17) {
        const char sep = text[2];
        if (sep != ':' && sep != '-')
            return false;
        for (std::size_t i = 0; i < 17; i += 3)
            if (!IsHex(text[i]) || !IsHex(text[i + 1]) || (i + 2 < 17 && text[i + 2] != sep))
                return false;
        return true;
    }
    return false;
}

bool CliText::IsUptime(std::string_view text)
{
    if (text.empty())
        return false;
    if (EqualsNoCase(text, "never"))
        return true;
    if (text.find(':') != std::string_view::npos) {
        for (char ch : text)
            if (ch != ':' && (ch < '0' || ch > '9'))
                return false;
        return true;
    }
    // Number-and-unit pairs: 1d02h, 3w4d, 1y2w, 5m.
    bool expectDigit = true;
    bool sawUnit = false;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            expectDigit = false;
        } else if (!expectDigit && (ch == 'y' || ch == 'w' || ch == 'd' || ch == 'h' || ch == 'm' || ch == 's')) {
            expectDigit = true;
            sawUnit = true;
        } else {
            return false;
        }
    }
    return sawUnit && expectDigit;
}

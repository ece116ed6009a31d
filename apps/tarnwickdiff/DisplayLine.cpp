#include "apps/tarnwickdiff/DisplayLine.h"

namespace tarnwickdiff {

namespace {

// The code point at p (valid UTF-8 by construction; anything else reads as
// U+FFFD) and its length in bytes.
char32_t DecodeAt(const unsigned char* p, std::size_t left, std::size_t& length)
{
    const unsigned char b = p[0];
    length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (length > left || (length > 1 && b < 0xC2)) {
        length = 1;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (p[i] & 0x3F);
    return c;
}

} // namespace

CDisplayLine::CDisplayLine(std::string_view utf8, const std::vector<ByteRange>& marks)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t size = utf8.size();
    m_text.reserve(static_cast<int>(std::min<std::size_t>(size, kMaxColumns)) + 8);
    // Position in m_text of each byte offset, only needed to carry marks over.
    std::vector<int> position;
    if (!marks.empty())
        position.assign(size + 1, 0);
    std::size_t i = 0;
    for (std::size_t length = 1; i < size; i += length) {
        if (!position.empty())
            position[i] = static_cast<int>(m_text.size());
        if (m_text.size() >= kMaxColumns)
            break;
        const char32_t c = DecodeAt(bytes + i, size - i, length);
        if (c == '\t') {
            const int spaces = kTabWidth - static_cast<int>(m_text.size() % kTabWidth);
            m_text.append(QString(spaces, QLatin1Char(' ')));
        } else if (c < 0x20) {
            m_text.append(QChar(static_cast<char16_t>(0x2400 + c)));
        } else if (c == 0x7F) {
            m_text.append(QChar(static_cast<char16_t>(0x2421)));
        } else {
            const char32_t cs[1] = {c};
            m_text.append(QString::fromUcs4(cs, 1));
        }
    }
    for (std::size_t rest = i; rest < size; ++rest) {
        if ((bytes[rest] & 0xC0) != 0x80)
            ++m_omitted;
        if (!position.empty())
            position[rest] = static_cast<int>(m_text.size());
    }
    if (!position.empty()) {
        position[size] = static_cast<int>(m_text.size());
        for (const ByteRange& mark : marks) {
            const int begin = position[std::min<std::size_t>(mark.begin, size)];
            const int end = position[std::min<std::size_t>(mark.end, size)];
            if (end > begin)
                m_marks.emplace_back(begin, end);
        }
    }
}

} // namespace tarnwickdiff

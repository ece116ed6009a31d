#include "apps/tarnwickdiff/core/LineTokens.h"

namespace tarnwickdiff {

namespace {

enum class CharClass { Word, Blank, Other };

CharClass Classify(unsigned char c)
{
    if (c == ' ' || c == '\t')
        return CharClass::Blank;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
        c >= 0x80)
        return CharClass::Word;
    return CharClass::Other;
}

} // namespace

std::vector<LineToken> TokenizeLine(std::string_view line)
{
    std::vector<LineToken> tokens;
    const auto size = static_cast<std::uint32_t>(line.size());
    for (std::uint32_t i = 0; i < size;) {
        const CharClass kind = Classify(static_cast<unsigned char>(line[i]));
        std::uint32_t end = i + 1;
        if (kind != CharClass::Other)
            while (end < size && Classify(static_cast<unsigned char>(line[end])) == kind)
                ++end;
        tokens.push_back({i, end, kind == CharClass::Blank});
        i = end;
    }
    return tokens;
}

} // namespace tarnwickdiff

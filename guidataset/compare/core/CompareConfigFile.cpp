#include "guidataset/compare/core/CompareConfigFile.h"

#include <fstream>
#include <iterator>
#include <optional>

namespace {

std::optional<std::string> ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return text;
}

// Lines with LF ends, trailing blanks dropped, and no trailing empty lines.
std::string Normalised(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t lineStart = 0;
    auto endLine = [&] {
        while (out.size() > lineStart && (out.back() == ' ' || out.back() == '\t'))
            out.pop_back();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endLine();
            out += '\n';
            lineStart = out.size();
        } else {
            out += c;
        }
    }
    endLine();
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

} // namespace

bool CompareConfigFile(const std::string& firstPath, const std::string& secondPath, bool ignoreLineLayout)
{
    const std::optional<std::string> first = ReadWhole(firstPath);
    const std::optional<std::string> second = ReadWhole(secondPath);
    if (!first || !second)
        return false;
    if (!ignoreLineLayout)
        return *first == *second;
    return Normalised(*first) == Normalised(*second);
}

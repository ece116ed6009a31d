#include "guidataset/browser/core/ConfigHostName.h"

#include <fstream>
#include <string_view>

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The rest of line after keyword and at least one blank; empty when line
// does not start with it.
std::string_view After(std::string_view line, std::string_view keyword)
{
    if (line.substr(0, keyword.size()) != keyword || line.size() == keyword.size())
        return {};
    const char next = line[keyword.size()];
    if (next != ' ' && next != '\t')
        return {};
    return Trim(line.substr(keyword.size()));
}

} // namespace

std::string ReadConfigHostName(const std::string& configPath)
{
    std::ifstream in(configPath, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = Trim(line);
        std::string_view name = After(text, "hostname");
        if (name.empty())
            name = After(text, "switchname");
        if (name.empty())
            name = After(text, "set system name");
        if (name.empty())
            continue;
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        return std::string(name);
    }
    return {};
}

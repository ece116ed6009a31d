#include "platform/core/FileFilter.h"

namespace platform {

namespace {

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The entry's patterns, "*.*" widened to "*"; the whole entry when it has no
// parenthesised list, as Qt reads such an entry.
std::string MatchedPatterns(const std::string& entry)
{
    const std::size_t open = entry.rfind('(');
    const bool listed = open != std::string::npos && !entry.empty() && entry.back() == ')';
    const std::string list = listed ? entry.substr(open + 1, entry.size() - open - 2) : entry;
    std::string patterns;
    for (std::size_t start = 0; start < list.size();) {
        std::size_t end = list.find_first_of(" ;", start);
        if (end == std::string::npos)
            end = list.size();
        std::string pattern = list.substr(start, end - start);
        if (pattern == "*.*")
            pattern = "*";
        if (!pattern.empty())
            patterns += (patterns.empty() ? "" : " ") + pattern;
        start = end + 1;
    }
    return patterns.empty() ? "*" : patterns;
}

} // namespace

std::vector<std::string> QtNameFilters(const std::string& filter)
{
    std::vector<std::string> filters;
    for (std::size_t start = 0; start <= filter.size();) {
        std::size_t end = filter.find(";;", start);
        if (end == std::string::npos)
            end = filter.size();
        const std::string entry = Trimmed(filter.substr(start, end - start));
        if (!entry.empty())
            filters.push_back(entry + " (" + MatchedPatterns(entry) + ")");
        start = end + 2;
    }
    return filters;
}

} // namespace platform

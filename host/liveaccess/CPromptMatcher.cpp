#include "host/liveaccess/CPromptMatcher.h"

#include <cctype>

namespace {
bool IsHostChar(unsigned char c)
{
    return std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '/' || c == ':';
}
} // namespace

bool CPromptMatcher::MatchTail(const std::string& text, Prompt& prompt)
{
    const std::size_t start = text.find_last_of("\r\n");
    return MatchLine(start == std::string::npos ? text : text.substr(start + 1), prompt);
}

bool CPromptMatcher::MatchLine(const std::string& line, Prompt& prompt)
{
    std::size_t end = line.size();
    while (end > 0 && line[end - 1] == ' ')
        --end;
    if (end == 0 || end - 0 > 128)
        return false;
    std::string body = line.substr(0, end);
    bool privileged = false;
    static const std::string kCatOsEnable = "> (enable)";
    if (body.size() > kCatOsEnable.size() &&
        body.compare(body.size() - kCatOsEnable.size(), kCatOsEnable.size(), kCatOsEnable) == 0) {
        body.resize(body.size() - kCatOsEnable.size());
        privileged = true;
    } else if (body.back() == '#' || body.back() == '>') {
        privileged = body.back() == '#';
        body.pop_back();
        // A configuration mode: "core-r1(config-if)#".
        if (!body.empty() && body.back() == ')') {
            const std::size_t open = body.rfind('(');
            if (open == std::string::npos || open == 0)
                return false;
            for (std::size_t i = open + 1; i + 1 < body.size(); ++i)
                if (!std::isalnum(static_cast<unsigned char>(body[i])) && body[i] != '-')
                    return false;
            body.resize(open);
        }
    } else {
        return false;
    }
    if (body.empty())
        return false;
    for (unsigned char c : body)
        if (!IsHostChar(c))
            return false;
    prompt.text = line;
    prompt.hostName = body;
    prompt.privileged = privileged;
    return true;
}

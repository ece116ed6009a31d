#include "host/liveaccess/CDiscoverSetting.h"

#include "host/netmodel/TWDeviceType.h"

#include <strings.h>

namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix)
{
    return strncasecmp(text.c_str(), prefix, std::char_traits<char>::length(prefix)) == 0;
}

bool IsCliError(const std::string& line, int deviceSubType)
{
    static const char* const kErrors[] = {"% Invalid input", "% Invalid command", "% Incomplete command",
                                          "% Ambiguous command", "% Unknown command"};
    for (const char* error : kErrors)
        if (StartsWithNoCase(line, error))
            return true;
    // CatOS answers an unknown command without the "%" mark.
    return deviceSubType == TW_SUBTYPE_CISCO_CATOS && StartsWithNoCase(line, "Unknown command");
}

// Lines of blanks and '^' only: the marker IOS prints under the bad word.
bool IsMarkerOrBlank(const std::string& line)
{
    return line.find_first_not_of(" \t^") == std::string::npos;
}

} // namespace

CDiscoverSetting& CDiscoverSetting::Instance()
{
    static CDiscoverSetting instance;
    return instance;
}

bool CDiscoverSetting::IsCommandResult(int deviceSubType, const std::string& output) const
{
    std::size_t pos = 0;
    bool commandLine = true;
    while (pos < output.size()) {
        std::size_t end = output.find('\n', pos);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        const std::string text = first == std::string::npos ? std::string() : line.substr(first);
        if (commandLine) {
            commandLine = false;
            // Output handed over without its command line may open with the error itself.
            if (IsCliError(text, deviceSubType))
                return false;
            continue;
        }
        if (IsMarkerOrBlank(text))
            continue;
        return !IsCliError(text, deviceSubType);
    }
    return false;
}

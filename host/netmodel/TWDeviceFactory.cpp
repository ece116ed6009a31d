#include "host/netmodel/TWDeviceFactory.h"

#include "host/netmodel/TWDeviceBaseInfo.h"
#include "host/netmodel/TWDeviceType.h"

#include <fstream>
#include <string_view>

#include <strings.h>

namespace {

struct Word {
    int value;
    const char* text;
};

constexpr Word kTypes[] = {
    {TW_DEVICE_ROUTER, "router"},
    {TW_DEVICE_SWITCH, "switch"},
    {TW_DEVICE_FIREWALL, "firewall"},
};

constexpr Word kSubTypes[] = {
    {TW_SUBTYPE_CISCO_IOS, "ios"},
    {TW_SUBTYPE_CISCO_NXOS, "nxos"},
    {TW_SUBTYPE_CISCO_CATOS, "catos"},
    {TW_SUBTYPE_CISCO_ASA, "asa"},
};

template <std::size_t N>
int FromText(const Word (&words)[N], const std::string& text)
{
    for (const Word& w : words)
        if (strcasecmp(w.text, text.c_str()) == 0)
            return w.value;
    return 0;
}

template <std::size_t N>
std::string ToText(const Word (&words)[N], int value)
{
    for (const Word& w : words)
        if (w.value == value)
            return w.text;
    return {};
}

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

bool TWDeviceFactory::IsValidAction(int deviceType, int action)
{
    const bool known = deviceType == TW_DEVICE_ROUTER || deviceType == TW_DEVICE_SWITCH ||
                       deviceType == TW_DEVICE_FIREWALL;
    // Every kind the model keeps has a configuration and a CLI to run show commands on.
    return known && (action == TW_ACTION_COMPARE || action == TW_ACTION_SHOW_COMMAND);
}

int TWDeviceFactory::GetIndexOfDeviceSubType(int deviceType)
{
    switch (deviceType) {
    case TW_DEVICE_ROUTER:
    case TW_DEVICE_SWITCH:
    case TW_DEVICE_FIREWALL:
        return deviceType;
    default:
        return 0;
    }
}

int TWDeviceFactory::TypeFromText(const std::string& text)
{
    return FromText(kTypes, text);
}

std::string TWDeviceFactory::TypeToText(int deviceType)
{
    return ToText(kTypes, deviceType);
}

int TWDeviceFactory::SubTypeFromText(const std::string& text)
{
    return FromText(kSubTypes, text);
}

std::string TWDeviceFactory::SubTypeToText(int deviceSubType)
{
    return ToText(kSubTypes, deviceSubType);
}

bool TWDeviceFactory::ParserBaseInfoFromConfigFile(const std::string& configPath, TWDeviceBaseInfo& info)
{
    info.hostName.clear();
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
        info.hostName = name;
        return !info.hostName.empty();
    }
    return false;
}

#include "host/netmodel/L2NetworkInfo.h"

#include <strings.h>

void L2NetworkInfo::Clear()
{
    m_switches.clear();
}

void L2NetworkInfo::AddSwitch(const std::string& name, const std::string& oriName)
{
    m_switches.push_back({name, oriName.empty() ? name : oriName});
}

const L2NetworkInfo::SwitchInfo* L2NetworkInfo::getSwitchByOriName(const std::string& oriName) const
{
    if (oriName.empty())
        return nullptr;
    for (const SwitchInfo& info : m_switches) {
        if (strcasecmp(info.oriName.c_str(), oriName.c_str()) == 0)
            return &info;
    }
    return nullptr;
}

#include "InterfaceTypeCfg.h"

#include "host/netutil/CliText.h"

#include <algorithm>
#include <string_view>

InterfaceTypeCfg& InterfaceTypeCfg::Instance()
{
    static InterfaceTypeCfg instance;
    return instance;
}

InterfaceTypeCfg::InterfaceTypeCfg()
    : m_types{
          {"HundredGigabitEthernet", "Hu"}, {"HundredGigE", "Hu"},
          {"FortyGigabitEthernet", "Fo"},   {"TwentyFiveGigabitEthernet", "Twe"},
          {"TwentyFiveGigE", "Twe"},        {"TenGigabitEthernet", "Te"},
          {"TenGigE", "Te"},                {"FiveGigabitEthernet", "Fi"},
          {"TwoGigabitEthernet", "Tw"},     {"AppGigabitEthernet", "Ap"},
          {"GigabitEthernet", "Gi"},        {"FastEthernet", "Fa"},
          {"Ethernet", "Eth"},              {"Port-channel", "Po"},
          {"Vlan", "Vl"},                   {"Loopback", "Lo"},
          {"Serial", "Se"},                 {"Tunnel", "Tu"},
          {"Multilink", "Mu"},              {"Dialer", "Di"},
          {"Virtual-Access", "Vi"},         {"Virtual-Template", "Vt"},
          {"Async", "As"},                  {"Cellular", "Ce"},
          {"Null", "Nu"},                   {"BVI", "BV"},
          {"ATM", "AT"},                    {"POS", "PO"},
      }
{
    std::stable_sort(m_types.begin(), m_types.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

std::string InterfaceTypeCfg::getIfNameBknFromFull(const std::string& fullName) const
{
    std::string_view name = CliText::Trim(fullName);
    if (name.empty())
        return {};
    for (const auto& [full, brief] : m_types) {
        if (!CliText::StartsWithNoCase(name, full))
            continue;
        const std::string_view number = CliText::Trim(name.substr(full.size()));
        // "Ethernet" must not eat a longer word such as "EthernetSVI"; the number follows.
        if (number.empty() || !(number.front() >= '0' && number.front() <= '9'))
            continue;
        name = number;
        if (CliText::Tokens(name).size() != 1)
            return {};
        return brief + std::string(name);
    }
    if (CliText::Tokens(name).size() != 1)
        return {};
    return std::string(name);
}

std::string InterfaceTypeCfg::getIfNameFullFromBkn(const std::string& shortName) const
{
    const std::string_view name = CliText::Trim(shortName);
    // The longest short form that fits, so "Twe1/0/1" is not read as "Tw".
    const std::pair<std::string, std::string>* best = nullptr;
    for (const auto& type : m_types) {
        const std::string& brief = type.second;
        if (name.size() > brief.size() && CliText::StartsWithNoCase(name, brief) &&
            name[brief.size()] >= '0' && name[brief.size()] <= '9' && (!best || brief.size() > best->second.size()))
            best = &type;
    }
    if (!best)
        return shortName;
    return best->first + std::string(name.substr(best->second.size()));
}

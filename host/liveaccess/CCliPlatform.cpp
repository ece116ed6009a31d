#include "host/liveaccess/CCliPlatform.h"

#include "host/netmodel/TWDeviceType.h"

#include <strings.h>

std::string CCliPlatform::ToText(CliPlatform platform)
{
    switch (platform) {
    case CliPlatform::Ios: return "IOS";
    case CliPlatform::IosXe: return "IOS-XE";
    case CliPlatform::NxOs: return "NX-OS";
    case CliPlatform::CatOs: return "CatOS";
    }
    return "IOS";
}

bool CCliPlatform::FromText(const std::string& text, CliPlatform& platform)
{
    for (CliPlatform candidate : All()) {
        if (strcasecmp(text.c_str(), ToText(candidate).c_str()) == 0) {
            platform = candidate;
            return true;
        }
    }
    return false;
}

CliPlatform CCliPlatform::FromDeviceSubType(int deviceSubType)
{
    switch (deviceSubType) {
    case TW_SUBTYPE_CISCO_NXOS: return CliPlatform::NxOs;
    case TW_SUBTYPE_CISCO_CATOS: return CliPlatform::CatOs;
    default: return CliPlatform::Ios;
    }
}

int CCliPlatform::ToDeviceSubType(CliPlatform platform)
{
    switch (platform) {
    case CliPlatform::NxOs: return TW_SUBTYPE_CISCO_NXOS;
    case CliPlatform::CatOs: return TW_SUBTYPE_CISCO_CATOS;
    default: return TW_SUBTYPE_CISCO_IOS;
    }
}

std::vector<CliPlatform> CCliPlatform::All()
{
    return {CliPlatform::Ios, CliPlatform::IosXe, CliPlatform::NxOs, CliPlatform::CatOs};
}

std::string CCliPlatform::PagingOffCommand(CliPlatform platform)
{
    return platform == CliPlatform::CatOs ? "set length 0" : "terminal length 0";
}

std::string CCliPlatform::ConfigurationCommand(CliPlatform platform)
{
    return platform == CliPlatform::CatOs ? "show config" : "show running-config";
}

std::vector<std::string> CCliPlatform::LiveDataCommands(CliPlatform platform)
{
    switch (platform) {
    case CliPlatform::CatOs:
        return {ConfigurationCommand(platform), "show arp", "show cam dynamic", "show cdp neighbors detail",
                "show interface"};
    case CliPlatform::NxOs:
        // NX-OS has no "show arp": its ARP table is "show ip arp".
        return {ConfigurationCommand(platform), "show ip route", "show ip arp", "show mac-address-table dynamic",
                "show cdp neighbors detail", "show interface"};
    default:
        return {ConfigurationCommand(platform), "show ip route", "show arp", "show mac-address-table dynamic",
                "show cdp neighbors detail", "show interfaces"};
    }
}

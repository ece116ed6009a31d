#pragma once
// A Cisco switch of the L2 model: its MAC address table.
#include "host/l2/CDeviceObj.h"

#include <string>
#include <vector>

class CCiscoSwitchObj : public CDeviceObj {
public:
    // One entry of "show mac address-table", "show mac-address-table [dynamic]"
    // (IOS, NX-OS) or "show cam dynamic" (CatOS).
    struct MacEntry {
        std::string vlan;   // as printed ("10", "All", "---")
        std::string mac;    // as printed
        std::string type;   // as printed ("dynamic", "STATIC"); empty where none is printed
        std::string ports;  // as printed, several joined by ','
    };

    // Into "<device>.omt" of the DataFolder's MAC folder (see CDeviceObj).
    static bool ParseMacTable(const std::string& device, int source, const std::string& dataFolder,
                              const std::string& output, const std::string& qualifier);
    static std::vector<MacEntry> ParseMacText(const std::string& output);
    static const std::vector<std::string>& MacColumns();
};

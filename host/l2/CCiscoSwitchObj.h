#pragma once
// A Cisco switch of the L2 model: its MAC address table.
#include "host/l2/CDeviceObj.h"
#include "host/netutil/TableFile.h"

#include <cstddef>
#include <string>
#include <string_view>
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
    // The .omt text of output appended to text, header first, with appended
    // called after each row; the number of rows.
    static std::size_t AppendMacTableText(std::string_view output, std::string& text,
                                      const TableFile::LineAppended& appended);
    static std::vector<MacEntry> ParseMacText(const std::string& output);
    static const std::vector<std::string>& MacColumns();
};

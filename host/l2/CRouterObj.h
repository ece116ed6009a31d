#pragma once
// A router of the L2 model: its ARP table.
#include "host/l2/CDeviceObj.h"
#include "host/netutil/TableFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CRouterObj : public CDeviceObj {
public:
    // One line of "show ip arp" / "show arp" (IOS) or "show ip arp" (NX-OS).
    struct ArpEntry {
        std::string protocol;   // "Internet" on IOS; empty where the device prints none
        std::string address;
        std::string age;        // minutes, "-" for the router's own addresses, or hh:mm:ss
        std::string mac;        // as printed, or "Incomplete"
        std::string type;       // encapsulation (ARPA, SNAP, ...)
        std::string interface;  // empty for aliases
    };

    // Into "<device>.oat" of the DataFolder's ARP folder (see CDeviceObj).
    static bool ParseArpTable(const std::string& device, int source, const std::string& dataFolder,
                              const std::string& output, const std::string& qualifier);
    // The .oat text of output appended to text, header first, with appended
    // called after each row; the number of rows.
    static std::size_t AppendArpTableText(std::string_view output, std::string& text,
                                      const TableFile::LineAppended& appended);
    static std::vector<ArpEntry> ParseArpText(const std::string& output);
    static const std::vector<std::string>& ArpColumns();
};

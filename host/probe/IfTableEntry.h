#pragma once
// One interface of a device's live interface table.
#include <string>

struct IfTableEntry {
    int index = 0;              // 1-based position in the device's table
    std::string name;           // the workstation's short form ("Gi0/1")
    std::string macAddress;     // as the device printed it
    std::string description;
    std::string adminStatus;
    std::string operStatus;
    int mtu = 0;
    long long speed = 0;        // bits per second; 0 unknown
};

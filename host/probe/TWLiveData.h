#pragma once
// Live data of devices kept in a DataFolder. The interface table of a device
// is "<device>.inte" in the DataFolder's interface folder, a table file with
// the columns index, interface, mac_address.
#include <string>
#include <vector>

struct IfTableEntry;

class TWLiveData {
public:
    // Writes the device's interface table into folder (created when missing).
    // False, writing nothing, when folder or device is empty, there are no
    // entries (an earlier table is kept), or the file cannot be written.
    static bool SaveLiveInterfaceData(const std::string& folder, const std::string& device,
                                      const std::vector<IfTableEntry>& entries);
    // The table file SaveLiveInterfaceData writes for the device.
    static std::string LiveInterfaceFile(const std::string& folder, const std::string& device);
    // Reads such a table back; false when it is missing or not a table.
    static bool LoadLiveInterfaceData(const std::string& folder, const std::string& device,
                                      std::vector<IfTableEntry>& entries);
    static const std::vector<std::string>& InterfaceColumns();
};

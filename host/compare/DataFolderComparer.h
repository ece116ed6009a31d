#pragma once
// Compares two whole DataFolders file by file and says what changed from the
// first to the second. Only reads: nothing is ever written into either one.
#include "host/compare/DataFolderReport.h"

#include <functional>
#include <string>

class CDataFolderComparer {
public:
    // Whether the project's inventory holds a device; unset when there is no
    // inventory to ask.
    using DeviceKnown = std::function<bool(const std::string& device)>;

    // nameA, nameB: how the report calls the two DataFolders (empty: the
    // folders' own names).
    CDataFolderComparer(std::string pathA, std::string nameA, std::string pathB, std::string nameB);
    void SetDeviceKnown(DeviceKnown known) { m_known = std::move(known); }
    // Devices are looked up in the open project's inventory, when there is one.
    void UseProjectInventory();

    // False, with error set, when either DataFolder's folder is gone.
    bool Compare(DataFolderReport& report, std::string& error) const;

private:
    std::string m_pathA;
    std::string m_nameA;
    std::string m_pathB;
    std::string m_nameB;
    DeviceKnown m_known;
};

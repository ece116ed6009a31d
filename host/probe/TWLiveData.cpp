#include "TWLiveData.h"

#include "host/netutil/TableFile.h"
#include "host/probe/IfTableEntry.h"

#include <cstdlib>

const std::vector<std::string>& TWLiveData::InterfaceColumns()
{
    static const std::vector<std::string> columns{"index", "interface", "mac_address"};
    return columns;
}

std::string TWLiveData::LiveInterfaceFile(const std::string& folder, const std::string& device)
{
    if (folder.empty() || device.empty())
        return {};
    const char last = folder.back();
    return folder + (last == '/' || last == '\\' ? "" : "/") + TableFile::EncodeName(device) + ".inte";
}

bool TWLiveData::SaveLiveInterfaceData(const std::string& folder, const std::string& device,
                                       const std::vector<IfTableEntry>& entries)
{
    const std::string path = LiveInterfaceFile(folder, device);
    if (path.empty() || entries.empty())
        return false;
    std::vector<TableFile::Row> rows;
    rows.reserve(entries.size());
    for (const IfTableEntry& entry : entries)
        rows.push_back({std::to_string(entry.index), entry.name, entry.macAddress});
    return TableFile::Write(path, InterfaceColumns(), rows);
}

bool TWLiveData::LoadLiveInterfaceData(const std::string& folder, const std::string& device,
                                       std::vector<IfTableEntry>& entries)
{
    entries.clear();
    TableFile::Row header;
    std::vector<TableFile::Row> rows;
    if (!TableFile::Read(LiveInterfaceFile(folder, device), header, rows) || header != InterfaceColumns())
        return false;
    for (const TableFile::Row& row : rows) {
        IfTableEntry entry;
        entry.index = std::atoi(row[0].c_str());
        entry.name = row.size() > 1 ? row[1] : std::string();
        entry.macAddress = row.size() > 2 ? row[2] : std::string();
        entries.push_back(std::move(entry));
    }
    return true;
}

#include "guidataset/dialogs/core/DataSetViewFiles.h"

#include "guidataset/dataset/core/DataKindFiles.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FileTimes.h"
#include "platform/core/Paths.h"

const std::vector<DataSetViewKind>& DataSetViewKinds()
{
    static const std::vector<DataSetViewKind> kinds = {
        {"LiveConfig", kKindLiveConfig},
        {"LiveRouteTable", kKindLiveRouteTable},
        {"SimulatedRouteTable", kKindSimulatedRouteTable},
        {"LiveArpTable", kKindLiveArpTable},
        {"LiveMacTable", kKindLiveMacTable},
        {"LiveCdpTable", kKindLiveCdpTable},
        {"ShowCommand", kKindShowCommand},
    };
    return kinds;
}

namespace {

// The lister knows no files for the show-command kind itself; its results
// are the ".txt" files of the show-command folder (".txt.rtf" companions are
// formatted copies, not results).
DataKind ListedKind(DataKind kind)
{
    return kind == kKindShowCommand ? kKindLiveCommandDevice : kind;
}

} // namespace

std::string DataSetViewFolder(const std::string& dataSetPath, const DataSetViewKind& entry)
{
    if (dataSetPath.empty())
        return {};
    if (entry.kind == kKindShowCommand)
        return TWFileSystem::GetLiveShowCommandDataFolder(dataSetPath);
    return platform::EnsureTrailingSlash(platform::JoinPath(dataSetPath, entry.text));
}

std::vector<DataSetViewRow> ListDataSetViewRows(const std::string& dataSetPath,
                                                const DataSetViewKind& entry)
{
    std::vector<DataSetViewRow> rows;
    const std::string folder = DataSetViewFolder(dataSetPath, entry);
    if (folder.empty())
        return rows;
    std::vector<platform::DirEntry> entries;
    ListDataKindFiles(entries, folder, ListedKind(entry.kind), {});
    rows.reserve(entries.size());
    for (const platform::DirEntry& file : entries) {
        DataSetViewRow row;
        const std::size_t dot = file.name.rfind('.');
        row.name = dot == std::string::npos ? file.name : file.name.substr(0, dot);
        row.createTime = platform::FormatLocalTime(file.lastWriteTime, "%Y-%m-%d %H:%M:%S");
        row.fileName = file.name;
        rows.push_back(std::move(row));
    }
    return rows;
}

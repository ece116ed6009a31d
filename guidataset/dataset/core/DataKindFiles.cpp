#include "guidataset/dataset/core/DataKindFiles.h"

#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <algorithm>

namespace {

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The device part of a result name is what precedes the first '$'; names
// without one are kept, since the search pattern already matched the filter.
bool DevicePartMatches(const std::string& name, const std::string& foldedFilter)
{
    const std::size_t dollar = name.find('$');
    if (dollar == std::string::npos)
        return true;
    const auto device = name.begin() + static_cast<std::ptrdiff_t>(dollar);
    return std::search(name.begin(), device, foldedFilter.begin(), foldedFilter.end(),
                       [](char a, char b) { return FoldAscii(a) == b; }) != device;
}

// Calls visit for each kept entry until it returns false.
template <typename Visit>
void ForEachDataKindFile(const std::string& folder, DataKind kind, const std::string& deviceFilter,
                         Visit&& visit)
{
    // An empty folder would turn the pattern into one for the root folder.
    if (!DataKindListsFiles(kind) || folder.empty())
        return;

    std::string pattern = folder;
    if (!platform::EndsWithSeparator(pattern))
        pattern += '/';
    if (!deviceFilter.empty())
        pattern += "*" + deviceFilter;
    pattern += "*" + DataKindExtension(kind);

    std::string foldedFilter = deviceFilter;
    std::transform(foldedFilter.begin(), foldedFilter.end(), foldedFilter.begin(), FoldAscii);

    platform::FindFiles(pattern, [&](const platform::DirEntry& entry) {
        if (entry.name == "." || entry.name == ".." || entry.IsDirectory())
            return true;
        if (!foldedFilter.empty() && !DevicePartMatches(entry.name, foldedFilter))
            return true;
        return visit(entry);
    });
}

} // namespace

void ListDataKindFiles(std::vector<platform::DirEntry>& out, const std::string& folder,
                       DataKind kind, const std::string& deviceFilter)
{
    ForEachDataKindFile(folder, kind, deviceFilter, [&out](const platform::DirEntry& entry) {
        out.push_back(entry);
        return true;
    });
}

bool IsDataFolderEmpty(std::string path, const std::vector<DataKind>& kinds, bool anyMode)
{
    if (path.empty()) {
        if (TWFileSystem* fileSystem = GetCurrBaselineFileSystem()) {
            if (TWDataSet* dataSet = fileSystem->GetDataSet())
                path = dataSet->GetCurrentDataSet();
        }
    }
    // Without a folder nothing is searched (not the root, not the working
    // folder): every kind counts as having no file.
    const bool noFolder = path.empty();
    if (!platform::EndsWithSeparator(path))
        path += '/';

    const auto& names = EmptinessKindNames();
    for (const DataKind kind : kinds) {
        const auto it = std::find_if(names.begin(), names.end(),
                                     [kind](const auto& entry) { return entry.first == kind; });
        if (it == names.end())
            continue;
        // One file answers the question; the rest of a large folder is not read.
        bool hasFile = false;
        if (!noFolder)
            ForEachDataKindFile(path + it->second, kind, {}, [&hasFile](const platform::DirEntry&) {
                hasFile = true;
                return false;
            });
        if (anyMode && hasFile)
            return false;
        if (!anyMode && !hasFile)
            return true;
    }
    return anyMode;
}

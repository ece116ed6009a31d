#include "guidataset/browser/core/DatafolderSelection.h"

#include "guidataset/browser/core/PageTable.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"

std::string DatafolderSelection::GetKindFolder(const std::string& basePath) const
{
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem) {
        // An empty base would put the kind folder at the root of the disk.
        if (basePath.empty())
            return {};
        std::string folder = platform::EnsureTrailingSlash(basePath) + KindFolderName(pageId);
        return platform::EnsureTrailingSlash(folder);
    }
    if (workspaceFlag == 0)
        return basePath;
    if (displayName.empty())
        return {};
    TWDataSet* registry = fileSystem->GetDataSet();
    const std::string path = registry ? registry->GetDataSetPath(basePath.empty() ? displayName : basePath)
                                      : std::string();
    if (path.empty())
        return {};
    switch (pageId) {
    case kKindLiveConfig: return TWFileSystem::GetLiveConfigFolder(path);
    case kKindLiveRouteTable: return TWFileSystem::GetLiveRoutingTableFolder(path);
    case kKindLiveArpTable: return TWFileSystem::GetLiveArpTableFolder(path);
    case kKindLiveMacTable: return TWFileSystem::GetLiveMacTableFolder(path);
    case kKindLiveCdpTable: return TWFileSystem::GetLiveCdpTableFolder(path);
    case kKindShowCommand: return TWFileSystem::GetLiveShowCommandDataFolder(path);
    default: return platform::EnsureTrailingSlash(path);
    }
}

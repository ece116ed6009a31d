#include "guidataset/compare/core/IncomingDataFolder.h"

#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"

#include <strings.h>

IncomingDataFolder ResolveIncomingDataFolder(const std::string& incoming, TWFileSystem* fileSystem)
{
    IncomingDataFolder resolved;
    if (!fileSystem || incoming.empty())
        return resolved;
    if (incoming == "*") {
        resolved.workspace = true;
        return resolved;
    }
    const std::string root = fileSystem->GetConfigRootFolder();
    if (!root.empty() && incoming.size() >= root.size() &&
        ::strncasecmp(incoming.c_str(), root.c_str(), root.size()) == 0) {
        resolved.workspace = true;
        return resolved;
    }
    if (TWDataSet* registry = fileSystem->GetDataSet())
        resolved.name = registry->GetDatasetName(incoming);
    return resolved;
}

#include "guidataset/showcmd/core/ShowCommandResultList.h"

#include "platform/core/DirEntry.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <string_view>

int EnumShowCommandResults(const ShowCommandResultCallback& callback, void* context, std::intptr_t userValue,
                           const std::string& folder, const std::string& filter, bool deviceField)
{
    // An empty folder would search the working folder; a separator in the
    // filter would search another folder. No result name holds either.
    if (folder.empty() || filter.find_first_of("/\\") != std::string::npos)
        return -1;
    const bool restrictDevice = deviceField && !filter.empty();
    std::string pattern = platform::EnsureTrailingSlash(folder);
    if (restrictDevice)
        pattern += '*';
    pattern += filter;
    pattern += "*.txt";

    bool matched = false;
    int index = 0;
    platform::FindFiles(pattern, [&](const platform::DirEntry& entry) {
        matched = true;
        if (entry.name == "." || entry.name == ".." || entry.IsDirectory())
            return true;
        if (restrictDevice) {
            const std::size_t dollar = entry.name.find('$');
            if (dollar != std::string::npos &&
                std::string_view(entry.name).substr(0, dollar).find(filter) == std::string_view::npos)
                return true;
        }
        if (callback)
            callback(entry, index, userValue, context);
        ++index;
        return true;
    });
    return matched ? index : -1;
}

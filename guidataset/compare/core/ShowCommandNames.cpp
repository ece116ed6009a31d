#include "guidataset/compare/core/ShowCommandNames.h"

#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"

#include <algorithm>

std::vector<std::string> ListShowCommandNames(const std::string& showCommandFolder)
{
    std::vector<std::string> names;
    // No folder must not mean the working folder.
    if (showCommandFolder.empty())
        return {};
    EnumShowCommandResults(
        [](const platform::DirEntry& entry, int, std::intptr_t, void* context) {
            static_cast<std::vector<std::string>*>(context)->push_back(entry.name);
        },
        &names, 0, showCommandFolder, "", false);
    std::vector<std::string> commands;
    for (const std::string& name : names) {
        std::string device, command, time;
        CFileName::FromShowCommandResultFileName(name, device, command, time);
        if (!command.empty() && std::find(commands.begin(), commands.end(), command) == commands.end())
            commands.push_back(std::move(command));
    }
    return commands;
}

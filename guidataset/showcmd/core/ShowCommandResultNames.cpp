#include "guidataset/showcmd/core/ShowCommandResultNames.h"

#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"

#include <unordered_set>

namespace {

struct ResultName {
    std::string device;
    std::string command;
    std::string time;
};

// Hands each result of folder whose name begins with prefix, parsed, to take.
// The directory search ignores case, so callers compare the fields exactly.
template <class Take>
void ForEachResult(const std::string& folder, const std::string& prefix, Take take)
{
    struct Context {
        Take* take;
        ResultName name;
    } context{&take, {}};
    EnumShowCommandResults(
        [](const platform::DirEntry& entry, int, std::intptr_t, void* raw) {
            auto* ctx = static_cast<Context*>(raw);
            ResultName& name = ctx->name;
            if (!CFileName::FromShowCommandResultFileName(entry.name, name.device, name.command, name.time) ||
                name.device.empty() || name.command.empty())
                return;
            (*ctx->take)(name);
        },
        &context, 0, folder, prefix, false);
}

// Appends text to list unless it is already there.
void AddOnce(std::vector<std::string>& list, std::unordered_set<std::string>& seen, const std::string& text)
{
    if (seen.insert(text).second)
        list.push_back(text);
}

} // namespace

std::vector<std::string> ListShowCommandDevices(const std::string& folder)
{
    std::vector<std::string> devices;
    std::unordered_set<std::string> seen;
    ForEachResult(folder, std::string(), [&](const ResultName& name) { AddOnce(devices, seen, name.device); });
    return devices;
}

std::vector<std::string> ListShowCommandCommands(const std::string& folder, const std::string& device,
                                                 const std::string& since)
{
    std::vector<std::string> commands;
    std::unordered_set<std::string> seen;
    ForEachResult(folder, CFileName::ToShowCommandFilter(device), [&](const ResultName& name) {
        if (name.device == device && name.time >= since)
            AddOnce(commands, seen, name.command);
    });
    return commands;
}

std::vector<std::string> ListShowCommandTimes(const std::string& folder, const std::string& device,
                                              const std::string& command, const std::string& since)
{
    std::vector<std::string> times;
    ForEachResult(folder, CFileName::ToShowCommandResultFilter(device, command), [&](const ResultName& name) {
        if (name.device == device && name.command == command && name.time >= since)
            times.push_back(name.time);
    });
    return times;
}

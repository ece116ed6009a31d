#include "guidataset/showcmd/core/ShowCommandResultNames.h"

#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"

#include <algorithm>
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

std::string Folded(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return text;
}

// Alphabetical ignoring ASCII case; names that differ only in case keep a fixed order.
void SortNames(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string foldedA = Folded(a);
        const std::string foldedB = Folded(b);
        return foldedA != foldedB ? foldedA < foldedB : a < b;
    });
}

} // namespace

std::vector<std::string> ListShowCommandDevices(const std::string& folder)
{
    std::vector<std::string> devices;
    std::unordered_set<std::string> seen;
    ForEachResult(folder, std::string(), [&](const ResultName& name) { AddOnce(devices, seen, name.device); });
    SortNames(devices);
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
    SortNames(commands);
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
    std::sort(times.begin(), times.end());
    return times;
}

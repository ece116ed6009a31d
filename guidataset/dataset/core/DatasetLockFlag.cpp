#include "guidataset/dataset/core/DatasetLockFlag.h"

#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CFileLock.h"
#include "host/util/CMarkup.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"

#include <cstdio>
#include <map>
#include <strings.h>
#include <vector>

namespace {

// Keyed by the descriptor path exactly as formed, so "a/b" and "a\\b" are two
// entries, as they were on the original host.
std::map<std::string, bool>& g_mapLockFlags()
{
    static std::map<std::string, bool> flags;
    return flags;
}

std::size_t g_fileLoads = 0;

bool LoadDescriptor(CMarkup& xml, const std::string& descriptor)
{
    ++g_fileLoads;
    return xml.Load(descriptor);
}

bool IsLockedText(const std::string& text)
{
    return ::strcasecmp(text.c_str(), "true") == 0 || text == "1";
}

std::string LastComponent(const std::string& path)
{
    std::size_t end = path.size();
    while (end > 0 && (path[end - 1] == '/' || path[end - 1] == '\\'))
        --end;
    const std::size_t start = path.find_last_of("/\\", end == 0 ? 0 : end - 1);
    if (end == 0)
        return {};
    return start == std::string::npos ? path.substr(0, end) : path.substr(start + 1, end - start - 1);
}

std::string DataFolderDisplayName(const std::string& path)
{
    CNetworkBase* baseline = GetCurrentBaseline();
    if (baseline && baseline->GetFileSystem() && baseline->GetFileSystem()->GetDataSet())
        return baseline->GetFileSystem()->GetDataSet()->GetDatasetName(path);
    return LastComponent(path);
}

std::string ReadOnlyQuestion(const std::string& name)
{
    static const char* const format =
        "'%s' is the read-only DataFolder. \nYou can use another DataFolder to save your data, "
        "\notherwise the data in '%s' will be overwritten.\nAre you sure to continue?";
    const int size = std::snprintf(nullptr, 0, format, name.c_str(), name.c_str());
    if (size <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
    std::snprintf(buffer.data(), buffer.size(), format, name.c_str(), name.c_str());
    return std::string(buffer.data(), static_cast<std::size_t>(size));
}

} // namespace

bool SetDatasetLockFlag(std::string path, int locked)
{
    const std::string descriptor = DatasetDescriptorPath(path);
    // Read and written under the descriptor's lock: a description saved by
    // another process at the same time is kept.
    CFileLock lock(descriptor);
    CMarkup xml;
    LoadDescriptor(xml, descriptor);   // a failed load leaves an empty document to fill
    if (!xml.FindElem("DatasetDesc"))
        xml.AddElem("DatasetDesc");
    xml.IntoElem();
    if (!xml.FindElem("IsLocked"))
        xml.AddElem("IsLocked");
    xml.SetElemContent(locked != 0 ? "True" : "False");
    const bool saved = lock.Locked() && xml.Save(descriptor);
    if (saved)
        lock.Written();
    g_mapLockFlags()[descriptor] = (locked == 1);
    return saved;
}

void ForgetDatasetLockFlag(const std::string& path)
{
    g_mapLockFlags().erase(DatasetDescriptorPath(path));
}

bool ReadDatasetLockFlag(const std::string& path, bool& cancel, bool ask)
{
    const std::string descriptor = DatasetDescriptorPath(path);
    auto& flags = g_mapLockFlags();
    bool locked = false;
    if (const auto it = flags.find(descriptor); it != flags.end()) {
        locked = it->second;
    } else {
        CMarkup xml;
        if (LoadDescriptor(xml, descriptor) && xml.FindElem("DatasetDesc") && xml.IntoElem() &&
            xml.FindElem("IsLocked"))
            locked = IsLockedText(xml.GetElemContent());
        flags[descriptor] = locked;
    }

    if (locked && ask) {
        const std::string name = DataFolderDisplayName(path);
        const platform::BoxAnswer answer = platform::MessageBoxTW(
            ReadOnlyQuestion(name), platform::BoxIcon::Exclamation, platform::BoxButtons::YesNo);
        if (answer != platform::BoxAnswer::Yes)
            cancel = true;   // a Yes leaves the caller's flag as it was
    }
    return locked;
}

std::size_t DatasetLockFlagFileLoads()
{
    return g_fileLoads;
}

#include "host/compare/DataFolderContents.h"

#include "host/util/CFileName.h"
#include "host/util/CTWRTPath.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <algorithm>
#include <sys/stat.h>

std::string CDataFolderContents::DeviceKey(std::string device)
{
    std::transform(device.begin(), device.end(), device.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); });
    return device;
}

bool CDataFolderContents::FolderExists(const std::string& root, std::string& error)
{
    struct stat st {};
    if (::stat(root.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return true;
    error = "The folder " + root + " cannot be found: it was deleted, moved or renamed.";
    return false;
}

bool CDataFolderContents::Scan(const std::string& folder, std::string& error)
{
    m_files.clear();
    const std::string root = platform::StripTrailingSeparators(folder);
    if (!FolderExists(root, error))
        return false;
    for (const CompareKindInfo& kind : CCompareKinds::All())
        ScanKind(platform::JoinPath(root, kind.folder), kind);
    return true;
}

bool CDataFolderContents::ScanConfigurationFolder(const std::string& folder, std::string& error)
{
    m_files.clear();
    const std::string root = platform::StripTrailingSeparators(folder);
    if (!FolderExists(root, error))
        return false;
    ScanKind(root, CCompareKinds::Info(CompareKind::Configuration));
    return true;
}

void CDataFolderContents::ScanKind(const std::string& folder, const CompareKindInfo& kind)
{
    const bool results = kind.kind == CompareKind::ShowCommand;
    const std::string pattern = platform::JoinPath(folder, results ? "*" : std::string("*") + kind.extension);
    platform::FindFiles(pattern, [&](const platform::DirEntry& entry) {
        if (entry.IsDirectory())
            return true;
        const std::string path = platform::JoinPath(folder, entry.name);
        if (results) {
            std::string device, command, time;
            // A file not named as a result (a note, a stray copy) is no result.
            if (CFileName::FromShowCommandResultFileName(entry.name, device, command, time) && !device.empty())
                Keep({DeviceKey(device), kind.kind, command}, {device, path, time});
            return true;
        }
        std::string host, name, qualifier;
        if (!CTWRTPath::ParseRtbFileName(entry.name, host, name, qualifier))
            return true;
        std::string item = CTWRTPath::IsBuiltInName(name) ? std::string() : name;
        if (!qualifier.empty())
            item += (item.empty() ? "" : " ") + qualifier;
        Keep({DeviceKey(host), kind.kind, item}, {host, path, {}});
        return true;
    });
}

void CDataFolderContents::Keep(Key key, File file)
{
    auto [at, inserted] = m_files.try_emplace(std::move(key), file);
    // Of several results of one command the newest stands for the device; the
    // time text sorts chronologically.
    if (!inserted && file.time > at->second.time)
        at->second = std::move(file);
}

#include "apps/workstation/viewers/CCompanionFiles.h"

#include "host/netmodel/TWDeviceBaseInfo.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/util/CFileName.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <filesystem>
#include <strings.h>

namespace fs = std::filesystem;

namespace workstation {

namespace {

constexpr const char* kConfigExtension = ".config";

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && ::strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

std::string FileName(const std::string& path)
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    const std::size_t slash = stripped.find_last_of("/\\");
    return slash == std::string::npos ? stripped : stripped.substr(slash + 1);
}

std::string ParentFolder(const std::string& path)
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    const std::size_t slash = stripped.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : stripped.substr(0, slash + 1);
}

// The kind folders a table or configuration may lie in, by name.
bool IsKindFolderName(const std::string& name)
{
    static const char* const kNames[] = {"LiveConfig", "LiveRouteTable", "LiveArpTable", "LiveMacTable",
                                         "LiveCdpTable", "LiveInterface", "ShowCommand"};
    for (const char* known : kNames)
        if (EqualsNoCase(name, known))
            return true;
    return false;
}

} // namespace

std::string CCompanionFiles::KindTitle(TableKind kind)
{
    switch (kind) {
    case TableKind::Route: return "live route table";
    case TableKind::SimulatedRoute: return "simulated route table";
    case TableKind::Arp: return "ARP table";
    case TableKind::Mac: return "MAC table";
    case TableKind::Cdp: return "CDP table";
    }
    return "table";
}

std::string CCompanionFiles::KindExtension(TableKind kind)
{
    switch (kind) {
    case TableKind::Arp: return ".oat";
    case TableKind::Mac: return ".omt";
    case TableKind::Cdp: return ".cdp";
    default: return ".ort";
    }
}

std::string CCompanionFiles::FindInFolder(const std::string& folder, const std::string& name)
{
    if (folder.empty() || name.empty())
        return {};
    const std::string base = platform::EnsureTrailingSlash(folder);
    std::error_code ec;
    if (fs::is_regular_file(base + name, ec))
        return base + name;
    // The wildcard search matches ignoring case; names holding '*' or '?'
    // match more than themselves, so each candidate is checked again.
    std::string found;
    platform::FindFiles(base + name, [&](const platform::DirEntry& entry) {
        if (!entry.IsDirectory() && EqualsNoCase(entry.name, name)) {
            found = base + entry.name;
            return false;
        }
        return true;
    });
    return found;
}

std::string CCompanionFiles::ConfigDevice(const std::string& configPath)
{
    std::string name = FileName(configPath);
    const std::string extension = kConfigExtension;
    if (name.size() > extension.size() &&
        EqualsNoCase(name.substr(name.size() - extension.size()), extension))
        name.resize(name.size() - extension.size());
    return CFileName::FromSysFileName(name);
}

std::string CCompanionFiles::ConfigFileName(const std::string& device)
{
    return CFileName::ToSysFileName(device) + kConfigExtension;
}

std::string CCompanionFiles::ConfigHostName(const std::string& configPath)
{
    TWDeviceBaseInfo info;
    TWDeviceFactory::ParserBaseInfoFromConfigFile(configPath, info);
    return info.hostName;
}

std::string CCompanionFiles::ProjectConfig(const TWFileSystem& fileSystem, const std::string& device)
{
    return FindInFolder(fileSystem.GetConfigRootFolder(), ConfigFileName(device));
}

void CCompanionFiles::SplitTableName(const std::string& path, std::string& host, std::string& qualifier)
{
    std::string name = FileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    const std::size_t dollar = name.find('$');
    host = CFileName::FromSysFileName(name.substr(0, dollar));
    qualifier = dollar == std::string::npos ? std::string() : CFileName::FromSysFileName(name.substr(dollar + 1));
}

std::string CCompanionFiles::DataFolderOf(const std::string& path)
{
    const std::string folder = ParentFolder(path);
    if (IsKindFolderName(FileName(folder)))
        return ParentFolder(folder);
    return folder;
}

std::string CCompanionFiles::CurrentDataFolderTable(const TWFileSystem& fileSystem, TableKind kind,
                                                    const std::string& tablePath, const std::string& host)
{
    const TWDataSet* registry = fileSystem.GetDataSet();
    const std::string current = registry ? registry->GetCurrentDataSet() : std::string();
    if (current.empty())
        return {};
    std::string ownHost;
    std::string qualifier;
    SplitTableName(tablePath, ownHost, qualifier);
    std::string name = CFileName::ToSysFileName(host.empty() ? ownHost : host);
    if (!qualifier.empty())
        name += '$' + CFileName::ToSysFileName(qualifier);
    name += KindExtension(kind);
    // In the same kind folder, or loose in the DataFolder as the table is.
    const std::string kindFolder = FileName(ParentFolder(tablePath));
    const std::string folder =
        IsKindFolderName(kindFolder) ? platform::JoinPath(current, kindFolder) + '/' : current;
    return FindInFolder(folder, name);
}

bool CCompanionFiles::SameFile(const std::string& first, const std::string& second)
{
    std::error_code ec;
    return fs::equivalent(first, second, ec) && !ec;
}

} // namespace workstation

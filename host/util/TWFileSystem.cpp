#include "host/util/TWFileSystem.h"

#include "host/util/CConf.h"
#include "host/util/TWDataSet.h"
#include "platform/core/Paths.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef TW_SYSTEM_CONF_DIR
#define TW_SYSTEM_CONF_DIR "/usr/share/tarnwick/conf/"
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char* kWorkspaceFile = "Workspace.ini";
constexpr const char* kWorkspaceSection = "Workspace";
constexpr const char* kWorkspaceNameKey = "Name";
constexpr const char* kRegistryFile = "TWDataSet.ini";
constexpr const char* kConfigFolder = "Config";
constexpr const char* kDataSetsFolder = "DataFolders";
constexpr const char* kSystemDataSet = "Local default";

std::atomic<TWFileSystem*> g_currentFileSystem{nullptr};

std::string SubFolder(const std::string& folder, const char* name)
{
    return platform::EnsureTrailingSlash(platform::JoinPath(folder, name));
}

std::string KindFolder(const std::string& dataSetPath, const char* kind)
{
    // An empty DataFolder would turn into a folder relative to the working
    // directory, where nothing of the project belongs.
    if (dataSetPath.empty())
        return {};
    return SubFolder(platform::WithTrailingSlash(dataSetPath), kind);
}

bool MakeFolder(const fs::path& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

} // namespace

TWFileSystem::TWFileSystem(const std::string& projectFolder)
    : m_projectFolder(platform::WithTrailingSlash(projectFolder)), m_dataSet(std::make_unique<TWDataSet>(this))
{
}

TWFileSystem::~TWFileSystem()
{
    // A destroyed file system must never stay reachable as the current one.
    TWFileSystem* self = this;
    g_currentFileSystem.compare_exchange_strong(self, nullptr);
}

bool TWFileSystem::CreateProject(const std::string& projectFolder, const std::string& projectName)
{
    if (projectFolder.empty())
        return false;
    const std::string root = platform::WithTrailingSlash(projectFolder);
    if (!MakeFolder(root) || !MakeFolder(SubFolder(root, kConfigFolder)) ||
        !MakeFolder(SubFolder(SubFolder(root, kDataSetsFolder), kSystemDataSet)))
        return false;

    std::error_code ec;
    const std::string workspace = root + kWorkspaceFile;
    if (!fs::exists(workspace, ec)) {
        std::string name = projectName;
        if (name.empty())
            name = fs::path(platform::StripTrailingSeparators(projectFolder)).filename().string();
        CConf conf(workspace);
        if (!conf.SetValue(kWorkspaceSection, kWorkspaceNameKey, name))
            return false;
    }

    // The registry file starts empty; the DataFolder service and the links fill it.
    const std::string registry = root + kRegistryFile;
    if (!fs::exists(registry, ec)) {
        if (!platform::AtomicWriteFile(registry, ""))
            return false;
    }
    return true;
}

bool TWFileSystem::IsProjectFolder(const std::string& folder)
{
    if (folder.empty())
        return false;
    std::error_code ec;
    return fs::is_regular_file(platform::WithTrailingSlash(folder) + kWorkspaceFile, ec);
}

const std::string& TWFileSystem::GetProjectFolder() const { return m_projectFolder; }

std::string TWFileSystem::GetProjectName() const
{
    if (m_projectFolder.empty())
        return {};
    CConf conf(m_projectFolder + kWorkspaceFile);
    std::string name = conf.GetValue(kWorkspaceSection, kWorkspaceNameKey);
    if (name.empty())
        name = fs::path(platform::StripTrailingSeparators(m_projectFolder)).filename().string();
    return name;
}

std::string TWFileSystem::GetDataSetsFolder() const
{
    return m_projectFolder.empty() ? std::string() : SubFolder(m_projectFolder, kDataSetsFolder);
}

std::string TWFileSystem::GetDataSetRecent() const
{
    return m_projectFolder.empty() ? std::string() : SubFolder(GetDataSetsFolder(), kSystemDataSet);
}

std::string TWFileSystem::GetConfigRootFolder() const
{
    return m_projectFolder.empty() ? std::string() : SubFolder(m_projectFolder, kConfigFolder);
}

std::string TWFileSystem::GetRegistryFile() const
{
    return m_projectFolder.empty() ? std::string() : m_projectFolder + kRegistryFile;
}

std::string TWFileSystem::GetConfigFilePath(const std::string& fileName, int, bool) const
{
    const std::string root = GetConfigRootFolder();
    if (root.empty() || fileName.empty() || fileName == "." || fileName == ".." ||
        fileName.find_first_of("/\\") != std::string::npos)
        return {};
    return root + fileName;
}

std::string TWFileSystem::GetLiveConfigFolder(const std::string& p) { return KindFolder(p, "LiveConfig"); }
std::string TWFileSystem::GetLiveRoutingTableFolder(const std::string& p) { return KindFolder(p, "LiveRouteTable"); }
std::string TWFileSystem::GetLiveArpTableFolder(const std::string& p) { return KindFolder(p, "LiveArpTable"); }
std::string TWFileSystem::GetLiveMacTableFolder(const std::string& p) { return KindFolder(p, "LiveMacTable"); }
std::string TWFileSystem::GetLiveCdpTableFolder(const std::string& p) { return KindFolder(p, "LiveCdpTable"); }
std::string TWFileSystem::GetLiveInterfaceFolder(const std::string& p) { return KindFolder(p, "LiveInterface"); }
std::string TWFileSystem::GetLiveShowCommandDataFolder(const std::string& p) { return KindFolder(p, "ShowCommand"); }

std::string TWFileSystem::GetCurrentBaselineFolder()
{
    const TWFileSystem* current = GetCurrBaselineFileSystem();
    return current ? current->GetProjectFolder() : std::string();
}

std::string TWFileSystem::GetSystemConfFolder()
{
    const char* overridden = std::getenv("TW_SYSTEM_CONF_DIR");
    if (overridden && *overridden)
        return platform::WithTrailingSlash(overridden);
    // An installed program (any prefix) finds the rule files in share/tarnwick/conf
    // under the prefix: from bin/ one level up, from lib/tarnwick/ (twdata-session)
    // two. The build tree has the bin/ layout.
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path folder = program.parent_path();
        for (const fs::path& prefix : {folder.parent_path(), folder.parent_path().parent_path()}) {
            const fs::path conf = prefix / "share" / "tarnwick" / "conf";
            if (fs::is_directory(conf, ec))
                return platform::WithTrailingSlash(conf.string());
        }
    }
    return platform::WithTrailingSlash(TW_SYSTEM_CONF_DIR);
}

TWDataSet* TWFileSystem::GetDataSet() const { return m_dataSet.get(); }

TWFileSystem* GetCurrBaselineFileSystem() { return g_currentFileSystem.load(); }

void SetCurrBaselineFileSystem(TWFileSystem* fileSystem) { g_currentFileSystem.store(fileSystem); }

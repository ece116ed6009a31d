#include "apps/workstation/SampleProject.h"

#include "host/util/CConf.h"
#include "platform/core/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace workstation {

namespace {
constexpr const char* kSampleFolderName = "sample-project";
// The copy opens on the DataFolder that holds the most to look at.
constexpr const char* kFirstCurrentDataFolder = "2026-11-27 After change";

// The current-DataFolder record holds an absolute path, so it is written for
// the copy's final place, not bundled.
bool RecordFirstCurrent(const fs::path& copy, const fs::path& finalPlace)
{
    CConf record((copy / "TWDataSet.ini").string());
    const std::string path = (finalPlace / "DataFolders" / kFirstCurrentDataFolder).string() + "/";
    return record.SetValue("RECORD_INFO", "Current", kFirstCurrentDataFolder) &&
           record.SetValue("RECORD_INFO", "CurrentPath", path);
}
}

SampleProject::SampleProject(std::string bundledFolder, std::string userCopyFolder)
    : m_bundledFolder(platform::EnsureTrailingSlash(std::move(bundledFolder)))
    , m_userCopyFolder(platform::EnsureTrailingSlash(std::move(userCopyFolder)))
{
}

std::string SampleProject::EnsureUserCopy(std::string& error) const
{
    std::error_code ec;
    if (fs::exists(fs::path(m_userCopyFolder) / "Workspace.ini", ec))
        return m_userCopyFolder;
    if (!fs::is_directory(m_bundledFolder, ec)) {
        error = "The bundled sample project is missing: " + m_bundledFolder;
        return {};
    }
    // Copy into a fresh folder beside the target, then rename, so an
    // interrupted first run never leaves half a project that looks whole.
    const fs::path target = fs::path(m_userCopyFolder).parent_path();
    if (fs::exists(target, ec) && !fs::is_empty(target, ec)) {
        // Someone else's files: never removed to make room for the sample.
        error = target.string() + " exists but holds no project; move it away to get the sample project again.";
        return {};
    }
    const fs::path partial = target.string() + ".partial";
    fs::remove_all(partial, ec);
    fs::create_directories(partial.parent_path(), ec);
    fs::copy(m_bundledFolder, partial, fs::copy_options::recursive, ec);
    if (!ec && fs::exists(partial / "DataFolders" / kFirstCurrentDataFolder, ec))
        RecordFirstCurrent(partial, target);
    if (!ec) {
        fs::remove(target, ec);   // empty, or not there
        ec.clear();
        fs::rename(partial, target, ec);
    }
    if (ec) {
        fs::remove_all(partial);
        error = "Cannot copy the sample project to " + target.string() + ": " + ec.message();
        return {};
    }
    return m_userCopyFolder;
}

std::string SampleProject::LocateBundled(const std::string& executableFolder)
{
    std::error_code ec;
    const fs::path installed =
        fs::path(executableFolder) / ".." / "share" / "tarnwick" / "samples" / kSampleFolderName;
    if (fs::is_directory(installed, ec))
        return fs::weakly_canonical(installed, ec).string() + "/";
#ifdef TW_BUNDLED_SAMPLES_DIR
    return std::string(TW_BUNDLED_SAMPLES_DIR) + "/" + kSampleFolderName + "/";
#else
    return installed.string() + "/";
#endif
}

std::string SampleProject::DefaultUserCopyFolder()
{
    std::string dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        dataHome = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        dataHome = std::string(home) + "/.local/share";
    else
        dataHome = fs::temp_directory_path().string();
    return dataHome + "/tarnwick/Sample Project/";
}

} // namespace workstation

#include "host/util/CDataFolderGuard.h"

#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/Paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// True when inner is outer or lies below it (both comparable paths).
bool Contains(const std::string& outer, const std::string& inner)
{
    if (outer.empty() || inner.empty())
        return false;
    if (outer == "/")
        return true;
    return inner == outer ||
           (inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0 && inner[outer.size()] == '/');
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return CDataFolderGuard::ComparablePath(home);
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir)
        return CDataFolderGuard::ComparablePath(user->pw_dir);
    return {};
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

} // namespace

std::string CDataFolderGuard::FolderProblem(const std::string& path)
{
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return "No folder " + Quoted(path) + ".";
    if (S_ISDIR(st.st_mode))
        return {};
    const char* what = S_ISREG(st.st_mode)    ? "a file"
                       : S_ISFIFO(st.st_mode) ? "a named pipe (FIFO)"
                       : S_ISSOCK(st.st_mode) ? "a socket"
                       : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                    : "something else";
    return Quoted(path) + " is not a folder: it is " + what + ".";
}

CDataFolderGuard::CDataFolderGuard(const TWFileSystem& fileSystem) : m_fileSystem(fileSystem) {}

std::string CDataFolderGuard::ComparablePath(const std::string& path)
{
    if (path.empty())
        return {};
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(platform::StripTrailingSeparators(path)), ec).lexically_normal();
    const fs::path canonical = fs::weakly_canonical(p, ec);
    if (!ec)
        p = canonical;
    return platform::StripTrailingSeparators(p.generic_string());
}

std::string CDataFolderGuard::ComparableEntryPath(const std::string& path)
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    std::error_code ec;
    const fs::path p = fs::absolute(fs::path(stripped), ec).lexically_normal();
    const std::string name = p.filename().generic_string();
    if (name.empty() || name == "." || name == "..")
        return ComparablePath(stripped);
    return platform::JoinPath(ComparablePath(p.parent_path().generic_string()), name);
}

std::vector<CDataFolderGuard::DataFolderPlace> CDataFolderGuard::DataFolderPlaces() const
{
    std::vector<DataFolderPlace> places;
    const TWDataSet* registry = m_fileSystem.GetDataSet();
    if (!registry)
        return places;
    std::vector<tagDataSetInfo*> raw;
    registry->GetAllDataSets(raw, true);
    const std::string root = m_fileSystem.GetDataSetsFolder();
    for (tagDataSetInfo* record : raw) {
        std::unique_ptr<tagDataSetInfo> owned(record);
        const bool own = owned->itemType == kItemProject;
        const std::string folder = own ? platform::JoinPath(root, owned->fullName) : owned->fullName;
        places.push_back({ComparablePath(folder), owned->fullName});
    }
    return places;
}

std::string CDataFolderGuard::Conflict(const std::string& comparable, bool insideProjectAllowed) const
{
    if (comparable == "/")
        return "it is the root folder";
    const std::string home = HomeFolder();
    if (comparable == home)
        return "it is your home folder";
    if (Contains(comparable, home))
        return "it holds your home folder " + Quoted(home);
    const std::string project = ComparablePath(m_fileSystem.GetProjectFolder());
    if (comparable == project)
        return "it is the project's own folder";
    if (Contains(comparable, project))
        return "it holds the project " + Quoted(project);
    if (!insideProjectAllowed && Contains(project, comparable))
        return "it lies inside the project " + Quoted(project);
    for (const DataFolderPlace& place : DataFolderPlaces()) {
        if (place.comparable == comparable)
            continue;
        if (Contains(comparable, place.comparable))
            return "it holds the DataFolder " + Quoted(place.shown);
        if (Contains(place.comparable, comparable))
            return "it lies inside the DataFolder " + Quoted(place.shown);
    }
    return {};
}

std::string CDataFolderGuard::LinkRefusal(const std::string& folder) const
{
    const std::string comparable = ComparablePath(folder);
    for (const DataFolderPlace& place : DataFolderPlaces()) {
        if (place.comparable == comparable)
            return Quoted(folder) + " is already the DataFolder " + Quoted(place.shown) + ".";
    }
    const std::string reason = Conflict(comparable, false);
    return reason.empty() ? reason : Quoted(folder) + " cannot be linked as a DataFolder: " + reason + ".";
}

std::string CDataFolderGuard::RemovalRefusal(const std::string& path) const
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    struct stat st {};
    if (stripped.empty() || ::lstat(stripped.c_str(), &st) != 0)
        return {};
    const auto refuse = [&](const std::string& reason) {
        return Quoted(stripped) + " cannot be deleted: " + reason + ".";
    };

    const std::string entry = ComparableEntryPath(stripped);
    const std::string root = ComparablePath(m_fileSystem.GetDataSetsFolder());
    const bool own = !root.empty() && entry != root && fs::path(entry).parent_path().generic_string() == root;
    bool linked = false;
    if (!own) {
        std::vector<tagDataSetInfo*> raw;
        if (const TWDataSet* registry = m_fileSystem.GetDataSet())
            registry->GetAllDataSets(raw, true);
        for (tagDataSetInfo* record : raw) {
            std::unique_ptr<tagDataSetInfo> owned(record);
            linked = linked || (owned->itemType != kItemProject && ComparableEntryPath(owned->fullName) == entry);
        }
    }
    if (!own && !linked)
        return refuse("it is not a DataFolder of this project");
    if (S_ISLNK(st.st_mode))
        return {};
    if (!S_ISDIR(st.st_mode))
        return refuse("it is not a folder");
    const std::string reason = Conflict(ComparablePath(stripped), own);
    return reason.empty() ? reason : refuse(reason);
}

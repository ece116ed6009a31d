#include "host/util/TWDataSet.h"

#include "host/util/CConf.h"
#include "host/util/CDataFolderGuard.h"
#include "host/util/CFileName.h"
#include "host/util/RegistryAnswerMemo.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/FileTimes.h"
#include "platform/core/Paths.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kExternalSection = "EXTERNAL_DATASETS";
constexpr const char* kRecordSection = "RECORD_INFO";
constexpr const char* kPathKey = "Path";
constexpr const char* kBriefKey = "Brief";
constexpr const char* kTypeKey = "Type";

// One linked outside DataFolder as kept in the registry file.
struct ExternalLink {
    long number = 0;        // the N of PathN / BriefN / TypeN
    std::string fullName;   // folder path without trailing separator
    std::string brief;
    int itemType = kItemExternal;
};


unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldAscii(static_cast<unsigned char>(x)) == FoldAscii(static_cast<unsigned char>(y));
           });
}

bool LessNoCase(const std::string& a, const std::string& b)
{
    const bool less = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return FoldAscii(static_cast<unsigned char>(x)) < FoldAscii(static_cast<unsigned char>(y));
        });
    if (less || !EqualsNoCase(a, b))
        return less;
    return a < b;   // names differing only in case keep a stable order
}

std::string LastComponent(const std::string& path)
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    const auto slash = stripped.find_last_of("/\\");
    return slash == std::string::npos ? stripped : stripped.substr(slash + 1);
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

std::string ComparablePath(const std::string& path) { return CDataFolderGuard::ComparablePath(path); }

// Real spellings of the project's DataFolders (the sub-folders of DataFolders/).
std::vector<std::string> ProjectDataFolderNames(const TWFileSystem& fileSystem)
{
    std::vector<std::string> names;
    const std::string root = fileSystem.GetDataSetsFolder();
    if (root.empty())
        return names;
    std::error_code ec;
    fs::directory_iterator it(root, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_directory(typeEc))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

// An exact spelling wins over one that differs only in case.
std::optional<std::string> FindProjectName(const std::vector<std::string>& names, const std::string& name)
{
    std::optional<std::string> found;
    for (const auto& candidate : names) {
        if (candidate == name)
            return candidate;
        if (!found && EqualsNoCase(candidate, name))
            found = candidate;
    }
    return found;
}

bool ParseNumberedKey(const std::string& key, const char* prefix, long& number)
{
    const std::string p(prefix);
    if (key.size() <= p.size() || !EqualsNoCase(key.substr(0, p.size()), p))
        return false;
    number = 0;
    for (std::size_t i = p.size(); i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9' || number > 100000000)
            return false;
        number = number * 10 + (key[i] - '0');
    }
    return true;
}

std::vector<ExternalLink> LoadLinks(const CConf& conf)
{
    std::map<long, ExternalLink> byNumber;
    for (const auto& key : conf.GetKeys(kExternalSection)) {
        long number = 0;
        if (!ParseNumberedKey(key, kPathKey, number))
            continue;
        ExternalLink link;
        link.number = number;
        link.fullName = platform::StripTrailingSeparators(conf.GetValue(kExternalSection, key));
        if (link.fullName.empty())
            continue;
        const std::string n = std::to_string(number);
        link.brief = conf.GetValue(kExternalSection, kBriefKey + n);
        if (link.brief.empty())
            link.brief = LastComponent(link.fullName);
        const std::string type = conf.GetValue(kExternalSection, kTypeKey + n);
        if (!type.empty()) {
            char* endPtr = nullptr;
            const long value = std::strtol(type.c_str(), &endPtr, 10);
            if (endPtr && *endPtr == '\0' && value > 0 && value < 1000)
                link.itemType = static_cast<int>(value);
        }
        byNumber.emplace(number, std::move(link));
    }
    std::vector<ExternalLink> links;
    links.reserve(byNumber.size());
    for (auto& [number, link] : byNumber)
        links.push_back(std::move(link));
    return links;
}

std::vector<ExternalLink> LoadLinks(const TWFileSystem& fileSystem)
{
    const std::string file = fileSystem.GetRegistryFile();
    if (file.empty())
        return {};
    CConf conf(file);
    return LoadLinks(conf);
}

bool DropLink(CConf& conf, long number)
{
    const std::string n = std::to_string(number);
    bool ok = conf.DeleteKey(kExternalSection, kPathKey + n);
    if (conf.HasKey(kExternalSection, kBriefKey + n))
        ok = conf.DeleteKey(kExternalSection, kBriefKey + n) && ok;
    if (conf.HasKey(kExternalSection, kTypeKey + n))
        ok = conf.DeleteKey(kExternalSection, kTypeKey + n) && ok;
    return ok;
}

std::optional<ExternalLink> FindLink(const std::vector<ExternalLink>& links, const std::string& nameOrPath)
{
    const std::string wanted = platform::StripTrailingSeparators(nameOrPath);
    for (const auto& link : links)
        if (EqualsNoCase(link.fullName, wanted))
            return link;
    return std::nullopt;
}

// Whether path is an entry directly in the project's DataFolders folder. The
// entry itself is not resolved: a symbolic link there is a DataFolder of the
// project wherever it points.
bool InDataSetsFolder(const TWFileSystem& fileSystem, const std::string& path)
{
    const std::string root = fileSystem.GetDataSetsFolder();
    if (root.empty() || path.empty())
        return false;
    const std::string base = ComparablePath(root);
    const std::string candidate = CDataFolderGuard::ComparableEntryPath(path);
    return candidate != base && fs::path(candidate).parent_path().generic_string() == base;
}

std::string SanitizeIniValue(std::string value)
{
    std::replace_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return value;
}


// A lookup as RegistryAnswerMemo keeps it: which lookup, of which project, about what.
std::string MemoQuestion(char lookup, const TWFileSystem& fileSystem, const std::string& about)
{
    std::string question(1, lookup);
    question += fileSystem.GetRegistryFile();
    question += '\n';
    question += about;
    return question;
}

// The remembered answer to question, or ask()'s, remembered for next time.
template <typename Ask>
std::string AskOnce(const std::string& question, Ask ask)
{
    if (const std::string* known = RegistryAnswerMemo::Find(question))
        return *known;
    std::string answer = ask();
    RegistryAnswerMemo::Remember(question, answer);
    return answer;
}

tagDataSetInfo* MakeRecord(const std::string& folder, std::string fullName, std::string brief, int itemType)
{
    auto* info = new tagDataSetInfo;
    info->fullName = std::move(fullName);
    info->briefName = std::move(brief);
    info->itemType = itemType;
    info->createTime = platform::CreationTime(folder);
    info->updateTime = platform::LastWriteTime(folder);
    return info;
}

} // namespace

TWDataSet::TWDataSet(TWFileSystem* fileSystem) : m_fileSystem(fileSystem) {}

TWFileSystem* TWDataSet::FileSystem() const
{
    return m_fileSystem ? m_fileSystem : GetCurrBaselineFileSystem();
}

void TWDataSet::GetAllDataSets(std::vector<tagDataSetInfo*>& out, bool withExternal) const
{
    const TWFileSystem* fileSystem = FileSystem();
    if (!fileSystem)
        return;
    const std::string root = fileSystem->GetDataSetsFolder();
    for (const auto& name : ProjectDataFolderNames(*fileSystem))
        out.push_back(MakeRecord(platform::JoinPath(root, name), name, name, kItemProject));
    if (!withExternal)
        return;
    for (const auto& link : LoadLinks(*fileSystem))
        out.push_back(MakeRecord(link.fullName, link.fullName, link.brief, link.itemType));
}

std::string TWDataSet::GetCurrentDataSet() const
{
    const TWFileSystem* fileSystem = FileSystem();
    if (!fileSystem)
        return {};
    return AskOnce(MemoQuestion('C', *fileSystem, {}), [&] { return CurrentDataSetOnDisk(*fileSystem); });
}

std::string TWDataSet::CurrentDataSetOnDisk(const TWFileSystem& fileSystem) const
{
    CConf conf(fileSystem.GetRegistryFile());
    const std::string recorded = conf.GetValue(kRecordSection, "CurrentPath");
    // A folder that is no longer a DataFolder (its link was dropped) is not current.
    if (IsFolder(recorded) && (InDataSetsFolder(fileSystem, recorded) || FindLink(LoadLinks(conf), recorded)))
        return platform::WithTrailingSlash(recorded);
    const std::string byName = GetDataSetPath(conf.GetValue(kRecordSection, "Current"));
    if (IsFolder(byName))
        return byName;
    return fileSystem.GetDataSetRecent();
}

std::string TWDataSet::GetDataSetPath(const std::string& name) const
{
    const TWFileSystem* fileSystem = FileSystem();
    if (!fileSystem || name.empty())
        return {};
    return AskOnce(MemoQuestion('P', *fileSystem, name), [&] { return DataSetPathOnDisk(*fileSystem, name); });
}

std::string TWDataSet::DataSetPathOnDisk(const TWFileSystem& fileSystem, const std::string& name) const
{
    if (const auto real = FindProjectName(ProjectDataFolderNames(fileSystem), name))
        return platform::EnsureTrailingSlash(platform::JoinPath(fileSystem.GetDataSetsFolder(), *real));
    const std::vector<ExternalLink> links = LoadLinks(fileSystem);
    if (const auto link = FindLink(links, name))
        return platform::WithTrailingSlash(link->fullName);
    // The toolbar shows linked DataFolders by their brief names, and what it
    // shows is what gets recorded as current: resolve a brief name too.
    for (const auto& link : links)
        if (EqualsNoCase(link.brief, name))
            return platform::WithTrailingSlash(link.fullName);
    // A project DataFolder may also be named by its own path.
    if (name.find_first_of("/\\") != std::string::npos && IsCurrentBaseLineDataSet(name) && IsFolder(name))
        return platform::WithTrailingSlash(name);
    return {};
}

std::string TWDataSet::GetDatasetName(const std::string& path) const
{
    const TWFileSystem* fileSystem = FileSystem();
    const std::string stripped = platform::StripTrailingSeparators(path);
    if (!fileSystem || stripped.empty())
        return stripped;
    return AskOnce(MemoQuestion('N', *fileSystem, stripped),
                   [&] { return DatasetNameOnDisk(*fileSystem, stripped); });
}

std::string TWDataSet::DatasetNameOnDisk(const TWFileSystem& fileSystem, const std::string& stripped) const
{
    if (InDataSetsFolder(fileSystem, stripped)) {
        const std::string last = LastComponent(stripped);
        const auto real = FindProjectName(ProjectDataFolderNames(fileSystem), last);
        return real ? *real : last;
    }
    if (const auto link = FindLink(LoadLinks(fileSystem), stripped))
        return link->fullName;
    return stripped;
}

bool TWDataSet::IsDataSetExist(const std::string& name) const { return !GetDataSetPath(name).empty(); }

bool TWDataSet::IsCurrentBaseLineDataSet(const std::string& path) const
{
    const TWFileSystem* fileSystem = FileSystem();
    return fileSystem && InDataSetsFolder(*fileSystem, path);
}

bool TWDataSet::AddExternalDataSet(TWFileSystem* fileSystem, const std::string& name,
                                   const std::string& brief, int itemType)
{
    if (!fileSystem)
        fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem || fileSystem->GetRegistryFile().empty())
        return false;
    const std::string fullName = platform::StripTrailingSeparators(name);
    // A line break cannot be kept in the registry file.
    if (fullName.empty() || fullName.find_first_of("\r\n") != std::string::npos || !IsFolder(fullName))
        return false;
    if (!CDataFolderGuard(*fileSystem).LinkRefusal(fullName).empty())
        return false;

    const std::string shownBrief = SanitizeIniValue(brief.empty() ? LastComponent(fullName) : brief);
    const int type = itemType > 0 ? itemType : kItemExternal;
    const std::string comparable = ComparablePath(fullName);
    CConf conf(fileSystem->GetRegistryFile());
    // Numbered under the file's lock, so links made at the same time by other
    // processes neither take the same number nor get lost.
    return conf.Edit([&](CConf& locked) {
        long next = 1;
        for (const auto& link : LoadLinks(locked)) {
            if (EqualsNoCase(link.fullName, fullName) || EqualsNoCase(ComparablePath(link.fullName), comparable))
                return false;
            next = std::max(next, link.number + 1);
        }
        // Keys of a number that lost its path (hand-edited file) must not leak into the new link.
        for (const auto& key : locked.GetKeys(kExternalSection)) {
            long number = 0;
            if ((ParseNumberedKey(key, kBriefKey, number) || ParseNumberedKey(key, kTypeKey, number)) &&
                number >= next)
                next = number + 1;
        }
        const std::string n = std::to_string(next);
        return locked.SetValue(kExternalSection, kPathKey + n, fullName) &&
               locked.SetValue(kExternalSection, kBriefKey + n, shownBrief) &&
               locked.SetValue(kExternalSection, kTypeKey + n, std::to_string(type));
    });
}

bool TWDataSet::RemoveExternalDataSet(TWFileSystem* fileSystem, const std::string& nameOrPath)
{
    if (!fileSystem)
        fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem || fileSystem->GetRegistryFile().empty() || nameOrPath.empty())
        return false;
    CConf conf(fileSystem->GetRegistryFile());
    return conf.Edit([&](CConf& locked) {
        const std::vector<ExternalLink> links = LoadLinks(locked);
        std::optional<ExternalLink> link = FindLink(links, nameOrPath);
        if (!link) {
            const std::string comparable = ComparablePath(nameOrPath);
            for (const auto& candidate : links)
                if (ComparablePath(candidate.fullName) == comparable)
                    link = candidate;
        }
        return link && DropLink(locked, link->number);
    });
}

bool TWDataSet::IsUnavailable(const tagDataSetInfo& record)
{
    // Linked DataFolders are named by their absolute folder path; the pickers'
    // command items and the project's own DataFolders never are.
    const bool linked = record.itemType != kItemProject && record.itemType != kItemNew && record.itemType != kItemMore;
    return linked && !record.fullName.empty() && record.fullName.front() == '/' && !IsFolder(record.fullName);
}

std::string TWDataSet::UnavailableNote(const tagDataSetInfo& record)
{
    if (!IsUnavailable(record))
        return {};
    return "'" + record.fullName + "' is unavailable: its folder cannot be found. "
           "The link stays until the folder is back or you unlink it.";
}

bool TWDataSet::GetBriefDataSetName(TWFileSystem* fileSystem, const std::string& fullName, std::string& brief)
{
    if (!fileSystem)
        fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem || fullName.empty())
        return false;
    if (const auto real = FindProjectName(ProjectDataFolderNames(*fileSystem), fullName)) {
        brief = *real;
        return true;
    }
    if (const auto link = FindLink(LoadLinks(*fileSystem), fullName)) {
        brief = link->brief;
        return true;
    }
    return false;
}

std::string TWDataSet::GetLiveShowCommandFolder(const std::string& dataSetPath) const
{
    return TWFileSystem::GetLiveShowCommandDataFolder(dataSetPath);
}

std::string TWDataSet::GetLiveRoutingTablePath(const std::string& dataSetPath, const std::string& device,
                                               const std::string& qualifier, bool create) const
{
    const std::string folder = TWFileSystem::GetLiveRoutingTableFolder(dataSetPath);
    if (folder.empty() || device.empty())
        return {};
    if (create) {
        // The kind folder only: a DataFolder that is missing is not made here.
        std::error_code ec;
        fs::create_directory(folder, ec);
        if (!fs::is_directory(folder, ec))
            return {};
    }
    std::string file = CFileName::ToSysFileName(device);
    if (!qualifier.empty())
        file += '$' + CFileName::ToSysFileName(qualifier);
    return folder + file + ".ort";
}

std::string TWDataSet::GetCurrentShowCommandFolder() const
{
    return TWFileSystem::GetLiveShowCommandDataFolder(GetCurrentDataSet());
}

std::string TWDataSet::GetCurrentLiveInterfaceFolder() const
{
    return TWFileSystem::GetLiveInterfaceFolder(GetCurrentDataSet());
}

bool TWDataSet::GetFileContent(const std::string& path, std::string& content)
{
    content.clear();
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec))
        return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string data;
    // Sized once: a table of half a million rows is read without regrowing.
    if (const auto size = fs::file_size(path, ec); !ec)
        data.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        data.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    content = std::move(data);
    return true;
}

void TWDataSet::CleanMapDataFolder(TWFileSystem* fileSystem)
{
    if (!fileSystem)
        fileSystem = FileSystem();
    if (!fileSystem || fileSystem->GetRegistryFile().empty())
        return;
    // A link whose folder is missing stays: its disk may only be unmounted.
    CConf conf(fileSystem->GetRegistryFile());
    conf.Edit([&](CConf& locked) {
        std::vector<std::string> seen;
        for (const auto& link : LoadLinks(locked)) {
            const bool twice = std::any_of(seen.begin(), seen.end(),
                                           [&](const std::string& kept) { return EqualsNoCase(kept, link.fullName); });
            if (twice)
                DropLink(locked, link.number);
            else
                seen.push_back(link.fullName);
        }
        return true;
    });
}

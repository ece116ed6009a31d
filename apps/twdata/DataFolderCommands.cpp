#include "apps/twdata/DataFolderCommands.h"

#include "apps/twdata/BrowserPageListing.h"
#include "apps/twdata/KindArgument.h"
#include "apps/twdata/ProjectSession.h"

#include "guidataset/dataset/CXTPDataSetComboBox.h"
#include "guidataset/dataset/core/CurrentDataSetRecord.h"
#include "guidataset/dataset/core/DataFolderName.h"
#include "guidataset/dataset/core/DataKindFiles.h"
#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CConf.h"
#include "host/util/CDataFolderGuard.h"
#include "host/util/CMarkup.h"
#include "host/util/EventDispatcher.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FileTimes.h"
#include "platform/core/Paths.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace twdata {

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    return true;
}

std::string StripTrailingSeparators(std::string path)
{
    while (path.size() > 1 && platform::EndsWithSeparator(path))
        path.pop_back();
    return path;
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

// The registry's records, freed when the list goes.
std::vector<std::unique_ptr<tagDataSetInfo>> AllDataSets(const TWDataSet& registry)
{
    std::vector<tagDataSetInfo*> raw;
    registry.GetAllDataSets(raw, true);
    std::vector<std::unique_ptr<tagDataSetInfo>> records;
    records.reserve(raw.size());
    for (tagDataSetInfo* record : raw)
        records.emplace_back(record);
    return records;
}

// The lock flag as the descriptor on disk holds it, past the process's lock
// cache; nothing when the descriptor cannot be read.
std::optional<bool> StoredLockFlag(const std::string& dataSetPath)
{
    CMarkup markup;
    if (!markup.Load(DatasetDescriptorPath(dataSetPath)))
        return std::nullopt;
    if (!markup.FindElem("DatasetDesc") || !markup.IntoElem() || !markup.FindElem("IsLocked"))
        return false;
    const std::string text = markup.GetElemContent();
    return EqualsNoCase(text, "true") || text == "1";
}

} // namespace

DataFolderCommands::DataFolderCommands(ProjectSession& session, std::ostream& out, std::ostream& err)
    : m_session(session), m_out(out), m_err(err)
{
}

int DataFolderCommands::Init(const std::string& folder, const std::string& projectName,
                             std::ostream& out, std::ostream& err)
{
    if (TWFileSystem::IsProjectFolder(folder)) {
        out << "'" << folder << "' is already a project.\n";
        return kExitDone;
    }
    std::error_code ec;
    if (fs::exists(fs::symlink_status(folder, ec))) {
        if (const std::string problem = CDataFolderGuard::FolderProblem(folder); !problem.empty()) {
            err << problem << '\n';
            return kExitFailed;
        }
    }
    if (!TWFileSystem::CreateProject(folder, projectName)) {
        err << "The project cannot be created in '" << folder << "'.\n";
        return kExitFailed;
    }
    return kExitDone;
}

std::optional<DataFolderCommands::Found> DataFolderCommands::Find(const std::string& name)
{
    TWDataSet& registry = *m_session.Registry();
    const std::string wanted = StripTrailingSeparators(name);
    const tagDataSetInfo* byFullName = nullptr;
    const tagDataSetInfo* byBrief = nullptr;
    int briefMatches = 0;
    const auto records = AllDataSets(registry);
    for (const auto& record : records) {
        if (!byFullName && EqualsNoCase(record->fullName, wanted))
            byFullName = record.get();
        if (EqualsNoCase(record->briefName, wanted)) {
            byBrief = record.get();
            ++briefMatches;
        }
    }
    const tagDataSetInfo* chosen = byFullName ? byFullName : (briefMatches == 1 ? byBrief : nullptr);
    std::string path = chosen ? registry.GetDataSetPath(chosen->fullName) : registry.GetDataSetPath(wanted);
    if (path.empty()) {
        if (briefMatches > 1)
            m_err << "Several linked DataFolders are shown as '" << name << "': name one by its folder.\n";
        else
            m_err << "No DataFolder '" << name << "' in this project.\n";
        return std::nullopt;
    }
    Found found;
    found.path = platform::EnsureTrailingSlash(path);
    found.fullName = chosen ? chosen->fullName : registry.GetDatasetName(found.path);
    found.linked = !registry.IsCurrentBaseLineDataSet(found.path);
    return found;
}

int DataFolderCommands::List()
{
    TWDataSet& registry = *m_session.Registry();
    const std::string current = registry.GetCurrentDataSet();
    for (const auto& record : AllDataSets(registry)) {
        const std::string path = platform::EnsureTrailingSlash(registry.GetDataSetPath(record->fullName));
        bool cancel = false;
        const bool locked = m_session.Service()->IsLocked2(path, cancel, false);
        m_out << record->fullName << '\t' << record->briefName << '\t' << record->itemType << '\t'
              << (locked ? "locked" : "unlocked");
        if (!path.empty() && path == current)
            m_out << "\tcurrent";
        // Kept while its disk is away; shown so, not dropped.
        if (TWDataSet::IsUnavailable(*record))
            m_out << "\tunavailable";
        m_out << '\n';
    }
    return kExitDone;
}

int DataFolderCommands::Files(const std::string& kind, const std::string& dataFolder,
                              const std::string& filter)
{
    const std::optional<KindListing> listing = ParseKindArgument(kind);
    if (!listing) {
        m_err << "Unknown kind '" << kind << "'. Kinds: " << KnownKindsText() << ".\n";
        return kExitUsage;
    }
    std::string path;
    std::string name;
    if (dataFolder.empty()) {
        path = m_session.Registry()->GetCurrentDataSet();
        name = m_session.Registry()->GetDatasetName(path);
    } else {
        const std::optional<Found> found = Find(dataFolder);
        if (!found)
            return kExitFailed;
        path = found->path;
        name = found->fullName;
    }
    // What the browser's page of the kind shows, row for row.
    const BrowserPageListing page = ListBrowserPage(listing->kind, name, path, filter);
    if (page.hasPage) {
        m_out << page.text;
        if (page.unnamedFiles > 0 && listing->kind == kKindShowCommand)
            m_err << "twdata: " << page.unnamedFiles << (page.unnamedFiles == 1 ? " file is" : " files are")
                  << " not named as a show-command result (<device>$<command>$<time>.txt): listed with an "
                     "empty Execution Time.\n";
        else if (page.unnamedFiles > 0)
            m_err << "twdata: " << page.unnamedFiles << (page.unnamedFiles == 1 ? " file is" : " files are")
                  << " not named as a table (<host>, <host>$<qualifier> or <host>$<name>$<qualifier>): "
                     "listed with the file name as Hostname and an empty Name.\n";
        if (!page.folderProblem.empty()) {
            m_err << "twdata: " << page.folderProblem << '\n';
            return kExitFailed;
        }
        return kExitDone;
    }
    // Kinds without a browser page of their own: their files.
    std::vector<platform::DirEntry> entries;
    ListDataKindFiles(entries, DataKindFolder(listing->kind, path), listing->listKind, filter);
    for (const auto& entry : entries)
        m_out << entry.name << '\t' << platform::FormatLocalTime(entry.lastWriteTime, "%Y-%m-%d %H:%M:%S")
              << '\n';
    return kExitDone;
}

int DataFolderCommands::New(const std::string& name, bool locked)
{
    TWFileSystem& fileSystem = *m_session.FileSystem();
    const std::string dataSetsFolder = fileSystem.GetDataSetsFolder();
    const DataFolderNameCheck check = CheckDataFolderName(name, dataSetsFolder);
    if (!check.Ok()) {
        m_err << check.message << '\n';
        return kExitFailed;
    }
    std::string created = check.name;
    if (!m_session.Service()->NewDataset(created, locked)) {
        m_err << "DataFolders cannot be created in this project now.\n";
        return kExitFailed;
    }
    // The service stays silent when the folder or its descriptor cannot be written.
    const std::string path = platform::JoinPath(dataSetsFolder, check.name);
    if (!IsFolder(path)) {
        m_err << "The DataFolder '" << check.name << "' cannot be created in '" << dataSetsFolder << "'.\n";
        return kExitFailed;
    }
    // The service treats a descriptor it could not write as written (a full disk).
    std::error_code ec;
    if (!fs::is_regular_file(DatasetDescriptorPath(path), ec)) {
        m_err << "The DataFolder '" << check.name << "' was created, but its descriptor cannot be written to '"
              << DatasetDescriptorPath(path) << "' (is the disk full?).\n";
        return kExitFailed;
    }
    if (locked && StoredLockFlag(path) != true) {
        m_err << "The DataFolder '" << check.name << "' was created, but its lock cannot be written to '"
              << DatasetDescriptorPath(path) << "'.\n";
        return kExitFailed;
    }
    return kExitDone;
}

int DataFolderCommands::SetLock(const std::string& name, bool locked)
{
    const std::optional<Found> found = Find(name);
    if (!found)
        return kExitFailed;
    GuiDatasetCenter& service = *m_session.Service();
    bool cancel = false;
    // LockDataset toggles, so it is asked only for a change.
    if (service.IsLocked2(found->path, cancel, false) == locked) {
        m_out << "'" << found->fullName << "' is already " << (locked ? "locked" : "unlocked") << ".\n";
        return kExitDone;
    }
    service.LockDataset(found->path);
    if (StoredLockFlag(found->path).value_or(false) != locked) {
        m_err << "The lock of '" << found->fullName << "' cannot be written to '"
              << DatasetDescriptorPath(found->path) << "'.\n";
        return kExitFailed;
    }
    return kExitDone;
}

int DataFolderCommands::ShowCurrent()
{
    TWDataSet& registry = *m_session.Registry();
    m_out << registry.GetDatasetName(registry.GetCurrentDataSet()) << '\n';
    return kExitDone;
}

int DataFolderCommands::SetCurrent(const std::string& name)
{
    const std::optional<Found> found = Find(name);
    if (!found)
        return kExitFailed;
    // As a choice in the toolbar picker: the item is selected, then the service
    // records it and tells the rest of the workstation.
    CXTPDataSetComboBox& picker = *m_session.Picker();
    CBaseline* project = m_session.Project();
    int index = picker.FindDataSet(found->fullName.c_str());
    if (index < 0)
        index = picker.ForceShowDataSet(found->fullName, project, nullptr);
    picker.SetCurSel(index);
    m_session.Service()->SetCurrentDataset(found->fullName.c_str(), project, true);

    TWFileSystem& fileSystem = *m_session.FileSystem();
    CConf record(fileSystem.GetRegistryFile());
    if (record.GetValue(kDataSetRecordSection, "Current") != found->fullName ||
        platform::EnsureTrailingSlash(record.GetValue(kDataSetRecordSection, "CurrentPath")) != found->path) {
        m_err << "The current DataFolder cannot be recorded in '" << fileSystem.GetRegistryFile() << "'.\n";
        return kExitFailed;
    }
    return kExitDone;
}

int DataFolderCommands::Delete(const std::string& name)
{
    const std::optional<Found> found = Find(name);
    if (!found)
        return kExitFailed;
    // The panel offers no Delete for a locked DataFolder; neither does the command line.
    bool cancel = false;
    if (m_session.Service()->IsLocked2(found->path, cancel, false)) {
        m_err << "'" << found->fullName << "' is locked: unlock it before deleting it.\n";
        return kExitFailed;
    }
    // The service's refusals and its question reach the user through the prompter.
    std::string path = found->path;
    if (m_session.Service()->DoDeleteDataSet(path, m_session.FileSystem(), nullptr) != 1)
        return kExitFailed;
    if (IsFolder(found->path)) {
        m_err << "The DataFolder '" << found->fullName << "' could not be removed from '" << found->path
              << "'.\n";
        return kExitFailed;
    }
    return kExitDone;
}

int DataFolderCommands::Link(const std::string& folder, const std::string& brief)
{
    if (const std::string problem = CDataFolderGuard::FolderProblem(folder); !problem.empty()) {
        m_err << problem << '\n';
        return kExitFailed;
    }
    std::error_code ec;
    fs::path absolute = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    const std::string linked = StripTrailingSeparators(ec ? folder : absolute.generic_string());

    TWDataSet& registry = *m_session.Registry();
    const std::string name = registry.GetDatasetName(linked);
    for (const auto& record : AllDataSets(registry)) {
        if (EqualsNoCase(record->fullName, name)) {
            m_out << "'" << linked << "' is already the DataFolder '" << record->fullName << "'.\n";
            return kExitDone;
        }
    }
    if (const std::string refusal = CDataFolderGuard(*m_session.FileSystem()).LinkRefusal(linked); !refusal.empty()) {
        m_err << refusal << '\n';
        return kExitFailed;
    }
    // The service reports what keeps it from linking.
    m_session.Service()->AddExternDataset(m_session.Project(), nullptr, linked.c_str(),
                                          brief.empty() ? nullptr : brief.c_str(), kItemExternal);
    return registry.IsDataSetExist(name) ? kExitDone : kExitFailed;
}

int DataFolderCommands::Unlink(const std::string& name)
{
    const std::optional<Found> found = Find(name);
    if (!found)
        return kExitFailed;
    if (!found->linked) {
        m_err << "'" << found->fullName << "' is a DataFolder of the project, not a linked folder.\n";
        return kExitFailed;
    }
    TWFileSystem* fileSystem = m_session.FileSystem();
    if (!TWDataSet::RemoveExternalDataSet(fileSystem, found->fullName)) {
        m_err << "The link to '" << found->fullName << "' cannot be removed from '"
              << fileSystem->GetRegistryFile() << "'.\n";
        return kExitFailed;
    }
    // The pickers forget it through the event, as after a deletion; the folder stays.
    EventDispatcher::Instance().DoAfter(kEventDataFolder, kActionDataFolderDeleted, fileSystem,
                                        const_cast<char*>(found->path.c_str()));
    return kExitDone;
}

} // namespace twdata

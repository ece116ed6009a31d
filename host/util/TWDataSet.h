#pragma once
// One project's DataFolder registry. Project DataFolders are the sub-folders
// of the DataFolders folder; linked outside DataFolders are kept in
// "TWDataSet.ini" (section "EXTERNAL_DATASETS"), so both survive a restart.
// Names compare without regard to (ASCII) case; paths end in '/'.
//
// "EXTERNAL_DATASETS" holds one numbered triple per link, numbers growing in
// link order (a removed link leaves a gap, the next link takes max + 1):
//   PathN=<folder path without trailing '/'>   the link's full name
//   BriefN=<text shown in pickers>             default: last path component
//   TypeN=<item type>                          default: 3
// Other sections of the file ("RECORD_INFO" belongs to the DataFolder module)
// are never rewritten. The file is read on every query, so a second registry
// on the same project sees the links at once, and changed under its lock
// (CConf::Edit), so links made by several processes at once are all kept.
#include <string>
#include <vector>

class TWFileSystem;
struct tagDataSetInfo;

class TWDataSet {
public:
    // Null file system: the open project's (GetCurrBaselineFileSystem()).
    explicit TWDataSet(TWFileSystem* fileSystem = nullptr);

    // One new record per DataFolder, appended to out; caller owns them. Order:
    // project DataFolders by name ignoring case (item type 2, brief = full name
    // = folder name), then linked outside ones in the order they were linked
    // (when withExternal; full name = folder path, stored brief and item type),
    // unavailable ones (folder missing) included. Times are the folder's
    // creation and last-write times; network stays null.
    void GetAllDataSets(std::vector<tagDataSetInfo*>& out, bool withExternal = true) const;

    // The current DataFolder: "CurrentPath" of "RECORD_INFO" when that folder
    // exists and is a DataFolder of the project or a linked one, else the
    // DataFolder named by "Current" when it resolves to an existing folder,
    // else the system DataFolder (also while the recorded one is an unavailable
    // link: the record is kept for when it comes back). Ends in '/'; empty
    // without a project.
    std::string GetCurrentDataSet() const;
    // Name to path: a project DataFolder's name (the folder's real spelling is
    // returned), a linked folder's full name, or the path of a project
    // DataFolder; empty when unknown.
    std::string GetDataSetPath(const std::string& name) const;
    // Path to name: the sub-folder name for a project DataFolder, the folder
    // path (no trailing '/') for a linked one, and for any other folder (the
    // name it would be linked under).
    std::string GetDatasetName(const std::string& path) const;
    bool IsDataSetExist(const std::string& name) const;
    // True when the path lies directly in the DataFolders folder (a DataFolder of
    // the project itself, a symbolic link there included), false for a linked
    // outside one.
    bool IsCurrentBaseLineDataSet(const std::string& path) const;

    // Links the folder name (a path). Refused (false) when it does not exist, is
    // already linked (compared ignoring case), is refused by CDataFolderGuard
    // (root, home, the project or in it, holding or inside a DataFolder), or
    // the registry file cannot be written. Empty brief: the last path component;
    // item type <= 0: 3. A null file system means the open project's (also below).
    static bool AddExternalDataSet(TWFileSystem* fileSystem, const std::string& name,
                                   const std::string& brief, int itemType);
    // Drops a link given by full name or path (trailing separator optional);
    // the folder stays on disk. False when no such link.
    static bool RemoveExternalDataSet(TWFileSystem* fileSystem, const std::string& nameOrPath);
    // Project DataFolder: its name; linked: the stored brief. Unknown: false,
    // brief left unchanged.
    static bool GetBriefDataSetName(TWFileSystem* fileSystem, const std::string& fullName,
                                    std::string& brief);

    // Show-command folder of a DataFolder path, ending in '/'.
    std::string GetLiveShowCommandFolder(const std::string& dataSetPath) const;
    // Route-table file of a device in a DataFolder ("<device>$<qualifier>.ort" or
    // "<device>.ort"); characters a file name cannot hold, control characters,
    // '$' and '%' are written as %XX. Creates the folder when create is true.
    // Empty on failure or for an empty device.
    std::string GetLiveRoutingTablePath(const std::string& dataSetPath, const std::string& device,
                                        const std::string& qualifier, bool create) const;
    std::string GetCurrentShowCommandFolder() const;
    std::string GetCurrentLiveInterfaceFolder() const;
    // Whole file into content, byte for byte; false (content empty) when it
    // cannot be read.
    static bool GetFileContent(const std::string& path, std::string& content);
    // True for a linked DataFolder whose folder cannot be found now (an
    // unmounted disk): it keeps its link and is shown as unavailable.
    static bool IsUnavailable(const tagDataSetInfo& record);
    // What pickers tell of such a DataFolder; empty for every other record.
    static std::string UnavailableNote(const tagDataSetInfo& record);

    // Drops second entries of an already linked folder (null: this registry's
    // project). Links whose folders are missing are kept.
    void CleanMapDataFolder(TWFileSystem* fileSystem);

private:
    TWFileSystem* FileSystem() const;
    // The answers of the three lookups above, asked of the disk (the public
    // ones consult RegistryAnswerMemo first).
    std::string CurrentDataSetOnDisk(const TWFileSystem& fileSystem) const;
    std::string DataSetPathOnDisk(const TWFileSystem& fileSystem, const std::string& name) const;
    std::string DatasetNameOnDisk(const TWFileSystem& fileSystem, const std::string& stripped) const;
    TWFileSystem* m_fileSystem;
};

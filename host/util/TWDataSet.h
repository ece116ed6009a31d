#pragma once
// One project's DataFolder registry. Project DataFolders are the sub-folders
// of the DataFolders folder; linked outside DataFolders are kept in
// "TWDataSet.ini" (section "EXTERNAL_DATASETS"), so both survive a restart.
// Names compare without regard to case; paths end in '/'.
#include <string>
#include <vector>

class TWFileSystem;
struct tagDataSetInfo;

class TWDataSet {
public:
    // Null file system: the open project's (GetCurrBaselineFileSystem()).
    explicit TWDataSet(TWFileSystem* fileSystem = nullptr);

    // One new record per DataFolder, caller owns them. Order: project
    // DataFolders by name ignoring case (item type 2), then linked outside ones
    // in the order they were linked (item type 3, when withExternal).
    void GetAllDataSets(std::vector<tagDataSetInfo*>& out, bool withExternal = true) const;

    // The current DataFolder: "CurrentPath" of "RECORD_INFO" when that folder
    // exists, else the system DataFolder. Ends in '/'; empty without a project.
    std::string GetCurrentDataSet() const;
    // Name to path (project DataFolder or linked folder); empty when unknown.
    std::string GetDataSetPath(const std::string& name) const;
    // Path to name: the sub-folder name for a project DataFolder, the folder
    // path (no trailing '/') for a linked one.
    std::string GetDatasetName(const std::string& path) const;
    bool IsDataSetExist(const std::string& name) const;
    // True for a DataFolder of the project itself, false for a linked outside one.
    bool IsCurrentBaseLineDataSet(const std::string& path) const;

    static bool AddExternalDataSet(TWFileSystem* fileSystem, const std::string& name,
                                   const std::string& brief, int itemType);
    static bool RemoveExternalDataSet(TWFileSystem* fileSystem, const std::string& nameOrPath);
    static bool GetBriefDataSetName(TWFileSystem* fileSystem, const std::string& fullName,
                                    std::string& brief);

    // Show-command folder of a DataFolder path, ending in '/'.
    std::string GetLiveShowCommandFolder(const std::string& dataSetPath) const;
    // Route-table file of a device in a DataFolder ("<device>$<qualifier>.ort" or
    // "<device>.ort"); creates the folder when create is true. Empty on failure.
    std::string GetLiveRoutingTablePath(const std::string& dataSetPath, const std::string& device,
                                        const std::string& qualifier, bool create) const;
    std::string GetCurrentShowCommandFolder() const;
    std::string GetCurrentLiveInterfaceFolder() const;
    // Whole file into content; false (content empty) when it cannot be read.
    static bool GetFileContent(const std::string& path, std::string& content);
    // Drops linked entries whose folders are gone.
    void CleanMapDataFolder(TWFileSystem* fileSystem);

private:
    TWFileSystem* FileSystem() const;
    TWFileSystem* m_fileSystem;
};

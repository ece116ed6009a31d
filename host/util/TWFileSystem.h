#pragma once
// One project's folder service. A project is a folder:
//   Workspace.ini        project name ([Workspace] Name=)
//   Config/              the project's own configuration files
//   DataFolders/         one sub-folder per DataFolder; "Local default" is the system one
//   TWDataSet.ini        current-DataFolder record and the linked outside DataFolders
//   Devices.ini          the network model's device inventory (written by the model)
// Every folder path handed out ends in '/'; a file system made for an empty
// folder answers empty paths.
#include <memory>
#include <string>

class TWDataSet;

class TWFileSystem {
public:
    explicit TWFileSystem(const std::string& projectFolder);
    ~TWFileSystem();
    TWFileSystem(const TWFileSystem&) = delete;
    TWFileSystem& operator=(const TWFileSystem&) = delete;

    // Creates the layout above (missing parts only, existing files are kept) with
    // the system DataFolder; an empty name means the folder's name. Devices.ini is
    // left to the network model. False when the folder cannot be created or written.
    static bool CreateProject(const std::string& projectFolder, const std::string& projectName);
    // True when the folder holds a Workspace.ini.
    static bool IsProjectFolder(const std::string& folder);

    const std::string& GetProjectFolder() const;
    std::string GetProjectName() const;   // from Workspace.ini, else the folder's name

    std::string GetDataSetsFolder() const;     // <project>/DataFolders/
    std::string GetDataSetRecent() const;      // <project>/DataFolders/Local default/
    std::string GetConfigRootFolder() const;   // <project>/Config/
    std::string GetRegistryFile() const;       // <project>/TWDataSet.ini
    // A device's configuration file in the project: <project>/Config/<fileName>.
    // The device's number and the flag are not needed by this layout. Empty for
    // an empty name or a name that would leave the folder.
    std::string GetConfigFilePath(const std::string& fileName, int deviceNumber, bool flag) const;

    // Kind folders inside a DataFolder path (with or without a trailing '/' or '\\');
    // empty for an empty path.
    static std::string GetLiveConfigFolder(const std::string& dataSetPath);          // LiveConfig/
    static std::string GetLiveRoutingTableFolder(const std::string& dataSetPath);    // LiveRouteTable/
    static std::string GetLiveArpTableFolder(const std::string& dataSetPath);        // LiveArpTable/
    static std::string GetLiveMacTableFolder(const std::string& dataSetPath);        // LiveMacTable/
    static std::string GetLiveCdpTableFolder(const std::string& dataSetPath);        // LiveCdpTable/
    static std::string GetLiveInterfaceFolder(const std::string& dataSetPath);       // LiveInterface/
    static std::string GetLiveShowCommandDataFolder(const std::string& dataSetPath); // ShowCommand/

    // Folder of "TWDataSet.ini": the open project's folder; empty when no project is open.
    static std::string GetCurrentBaselineFolder();
    // Installed shared rule files (e.g. the interface parsing rules): the
    // environment variable TW_SYSTEM_CONF_DIR when set, else the built-in folder.
    static std::string GetSystemConfFolder();

    TWDataSet* GetDataSet() const;

private:
    std::string m_projectFolder;
    std::unique_ptr<TWDataSet> m_dataSet;
};

// The open project's file system; null when no project is open.
TWFileSystem* GetCurrBaselineFileSystem();
// Set by the baseline when a project opens (and to null when it closes); a
// file system that is destroyed while current clears it.
void SetCurrBaselineFileSystem(TWFileSystem* fileSystem);

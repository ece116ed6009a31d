#pragma once
// The open project. Open() makes it the current one (GetCurrBaselineFileSystem
// answers its file system) and sends 266/161; Close() sends 266/163 first.
#include "host/baseline/CNetworkBase.h"

#include <string>

class CBaseline : public CNetworkBase {
public:
    // The open project; null when none.
    static CBaseline* Instance();

    // Opens a project folder (created with its layout when asked and missing).
    // False, with nothing open, when it is not a project and cannot be made one.
    // The open project is closed first; a new project is named after its folder.
    static bool Open(const std::string& projectFolder, bool createWhenMissing = false);
    // Nothing when no project is open; a Close() from a 266/163 subscriber is ignored.
    static void Close();

    // May DataFolders be created without a dialog? True while this project is open.
    bool CanCreateDataSet() const;
    // Can the project's configurations be compared against? Yes once its
    // "Config" folder holds at least one device configuration (".config").
    bool IsCompareReady() const;

private:
    explicit CBaseline(const std::string& projectFolder);
};

// The current baseline as a network; null when no project is open.
CNetworkBase* GetCurrentBaseline();

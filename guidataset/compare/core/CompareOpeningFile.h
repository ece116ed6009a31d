#pragma once
// What a table file the table compare dialog is opened on says about the
// choice to start from: its kind, its DataFolder, its device and its table.
#include <string>

class TWFileSystem;

struct CompareOpeningFile {
    bool applied = false;          // false: no file at the path, nothing changes
    int kind = 0;                  // the kind its extension names, else the kind given
    std::string dataFolderName;    // the DataFolder holding the kind folder
    bool parsed = false;           // the file name named a table of a device
    std::string host;
    std::string preselect;         // table label, and " " qualifier when there is one
};

// fileSystem: the open project's (null: the DataFolder's path serves as its name).
CompareOpeningFile ReadCompareOpeningFile(const std::string& path, int kind, TWFileSystem* fileSystem);

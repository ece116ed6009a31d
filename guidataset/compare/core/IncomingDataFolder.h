#pragma once
// A DataFolder handed to a compare dialog by its opener, as the dialog's
// pickers take it: "*" or a folder inside the project's configuration folder
// stand for the project's own configurations ("*Baseline Config"), any other
// path for the DataFolder found there.
#include <string>

class TWFileSystem;

struct IncomingDataFolder {
    std::string name;         // the DataFolder to preselect; empty: none
    bool workspace = false;   // preselect the workspace entry instead
};

// fileSystem: the open project's; null leaves the name empty.
IncomingDataFolder ResolveIncomingDataFolder(const std::string& incoming, TWFileSystem* fileSystem);

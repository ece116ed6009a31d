#pragma once
// Saves what live access brought back from a device into a DataFolder along
// the import's own path: the outputs are laid out as the session log a user
// would have captured and handed to the session-log splitter, so results,
// raw copies and parsed tables come out exactly as from an import. The
// running configuration also becomes the device's file in "LiveConfig".
#include "guidataset/showcmd/core/SplitShowCmds.h"

#include <string>

struct DeviceOutcome;

class CLiveDataSaver {
public:
    explicit CLiveDataSaver(std::string dataFolder);

    // Saves the commands that succeeded; failed ones leave nothing behind.
    // Empty when everything was written, else what was not, for the user.
    std::string Save(const DeviceOutcome& outcome);
    // The session log that Save hands to the splitter: each successful
    // command's output under a command line with the inventory's device name.
    static std::string SessionLog(const DeviceOutcome& outcome);

private:
    std::string SaveConfiguration(const DeviceOutcome& outcome);
    std::string SplitLog(const std::string& log);

    std::string m_dataFolder;
    SplitShowCmds m_splitter;
};

#pragma once
// "twdata collect": the workstation's live-data retrieval from scripts. Each
// device's outcome is printed on a line of its own (device, tab, "OK" or
// "FAILED", tab, what came back or why not) as soon as it is known; what
// devices return is saved as the workstation saves it.
#include <iosfwd>
#include <string>
#include <vector>

namespace twdata {

class ProjectSession;

struct CollectArguments {
    std::string dataFolder;                // empty: the current DataFolder
    bool makeCurrent = false;
    std::vector<std::string> commands;     // empty: each device's live-data commands
    std::vector<std::string> devices;
    std::string knownHostsFile;            // empty: ~/.ssh/known_hosts
    std::vector<std::string> identityFiles;
    int sessions = 8;
    int timeoutSeconds = 20;
};

class CollectCommand {
public:
    CollectCommand(ProjectSession& session, std::ostream& out, std::ostream& err);
    // 0 when every device returned every command, 1 otherwise.
    int Run(const CollectArguments& arguments);

private:
    ProjectSession& m_session;
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata

#pragma once
// The operations of twdata on the open project. Each drives the DataFolder
// service as the workstation's menus and toolbar picker do, prints its result
// and answers an exit status.
#include "apps/twdata/ExitStatus.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace twdata {

class ProjectSession;

class DataFolderCommands {
public:
    DataFolderCommands(ProjectSession& session, std::ostream& out, std::ostream& err);

    // Needs no open project. An existing project is left as it is.
    static int Init(const std::string& folder, const std::string& projectName,
                    std::ostream& out, std::ostream& err);

    int List();
    // dataFolder empty: the current DataFolder.
    int Files(const std::string& kind, const std::string& dataFolder, const std::string& filter);
    int New(const std::string& name, bool locked);
    int SetLock(const std::string& name, bool locked);
    int ShowCurrent();
    int SetCurrent(const std::string& name);
    int Delete(const std::string& name);
    int Link(const std::string& folder, const std::string& brief);
    int Unlink(const std::string& name);

private:
    struct Found {
        std::string fullName;
        std::string path;   // ends in '/'
        bool linked = false;
    };
    // By full name, by a brief name that only one DataFolder carries, or by
    // path; reports an unknown name.
    std::optional<Found> Find(const std::string& name);

    ProjectSession& m_session;
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata

#pragma once
// "twdata compare": the change report of two DataFolders on the terminal, and
// optionally as an HTML page. Exit status as diff(1) gives it: 0 no
// difference, 1 differences, 2 trouble (a DataFolder unknown or gone, the
// page not written).
#include <iosfwd>
#include <string>

namespace twdata {

class ProjectSession;

class CompareCommand {
public:
    CompareCommand(ProjectSession& session, std::ostream& out, std::ostream& err);

    int Run(const std::string& first, const std::string& second, const std::string& htmlFile);

private:
    // The DataFolder's path: a DataFolder of the project by name, or any
    // folder by its path. Empty, reported, when it is neither.
    std::string Resolve(const std::string& dataFolder);

    ProjectSession& m_session;
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata

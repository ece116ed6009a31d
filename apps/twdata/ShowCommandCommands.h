#pragma once
// "twdata import-log", "results", "show-result" and "export": captured CLI
// session logs cut into show-command results of a DataFolder, those results
// read back, and merged into one text file per device.
#include <iosfwd>
#include <string>
#include <vector>

namespace twdata {

class ProjectSession;

class ShowCommandCommands {
public:
    ShowCommandCommands(ProjectSession& session, std::ostream& out, std::ostream& err);

    // dataFolder empty: the current DataFolder; another DataFolder is refused
    // unless makeCurrent, which makes it current first. A read-only DataFolder
    // is written only when the lock question is answered Yes. A folder among
    // paths brings in the files directly inside it. Status 1 when a log was
    // missing or not read to its end.
    int ImportLog(const std::string& dataFolder, const std::vector<std::string>& paths, bool makeCurrent);
    // device, command empty: any. One result a line: device, command, time.
    int Results(const std::string& dataFolder, const std::string& device, const std::string& command);
    // time empty: the newest result of the command on the device.
    int ShowResult(const std::string& dataFolder, const std::string& device, const std::string& command,
                   const std::string& time);
    // Every result of the DataFolder into "<device>.txt" files of targetFolder,
    // which is created when missing. Status 1 when there is nothing to export
    // or a device's file could not be written.
    int Export(const std::string& dataFolder, const std::string& targetFolder);

private:
    // The DataFolder's path ending in '/'; empty, reported, when unknown.
    std::string DataFolderPath(const std::string& dataFolder);
    std::string ShowCommandFolder(const std::string& dataFolder);

    ProjectSession& m_session;
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata

#pragma once
// Starting an external program from a Windows-style command line such as
// "\"TarnwickDiff.exe\" \"/a/b c.txt\" \"/x.txt\"": detached, not waited for.
#include <string>
#include <vector>

namespace platform {

// Splits a command line into program and arguments: text in double quotes is
// one piece (blanks kept, quotes dropped, "" an empty argument), unquoted text
// is split at blanks and tabs. No backslash escapes: paths keep their '\\'.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The program's full path: a name with '/' is taken as it is, a bare name is
// looked up on PATH, then beside the running application; a trailing ".exe"
// that finds nothing is tried without it. Empty when not found.
std::string FindProgram(const std::string& program);

// Starts the command detached; false when it is empty, the program is not
// found or cannot be started.
bool StartProcess(const std::string& commandLine);

// What StartProcess hands its command line to. Tests install one that
// records the line instead of starting a program.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    virtual bool Start(const std::string& commandLine) = 0;
};
// Installs starter (not owned; null restores the real start); returns the previous one.
ProcessStarter* InstallProcessStarter(ProcessStarter* starter);

} // namespace platform

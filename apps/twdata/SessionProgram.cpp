#include "apps/twdata/SessionProgram.h"

#include "apps/twdata/ExitStatus.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace twdata {

namespace {

const char* const kProgramName = "twdata-session";

fs::path ThisProgramsFolder()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

} // namespace

std::string SessionProgram::Path()
{
    const fs::path folder = ThisProgramsFolder();
    if (folder.empty())
        return {};
    for (const fs::path& candidate : {folder / kProgramName, folder.parent_path() / "lib" / "tarnwick" / kProgramName})
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    return {};
}

int SessionProgram::Become(char** argv, std::ostream& err)
{
    const std::string path = Path();
    if (path.empty()) {
        err << "twdata: " << kProgramName << ", which runs the commands on a project, is not beside twdata nor in "
            << "../lib/tarnwick; reinstall Tarnwick Workstation.\n";
        return kExitFailed;
    }
    ::execv(path.c_str(), argv);
    err << "twdata: " << path << " cannot be started: " << std::strerror(errno) << ".\n";
    return kExitFailed;
}

} // namespace twdata

#include "apps/workstation/CProgramPath.h"

#include <cstdlib>

namespace workstation {

void CProgramPath::PutFirst(const std::string& folder)
{
    if (folder.empty())
        return;
    const char* current = std::getenv("PATH");
    const std::string path = current ? current : "";
    if (path == folder || path.rfind(folder + ":", 0) == 0)
        return;
    const std::string value = path.empty() ? folder : folder + ":" + path;
    ::setenv("PATH", value.c_str(), 1);
}

} // namespace workstation

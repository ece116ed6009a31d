#include "guidataset/compare/core/CompareDevices.h"

std::string JoinDeviceNames(const std::set<std::string>& devices)
{
    if (devices.empty())
        return "\n";
    std::string joined;
    for (const std::string& device : devices) {
        if (!joined.empty())
            joined += '\n';
        joined += device;
    }
    return joined;
}

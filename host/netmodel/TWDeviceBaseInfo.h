#pragma once
// What a device says about itself in its configuration.
#include <string>

struct TWDeviceBaseInfo {
    std::string hostName;   // as the configuration names the device; empty when it names none
};

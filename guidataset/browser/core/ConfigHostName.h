#pragma once
// The host name a device configuration gives itself: "hostname NAME" (IOS,
// IOS-XE, NX-OS, ASA), "switchname NAME" (older NX-OS) or "set system name
// NAME" (CatOS). Empty when the file cannot be read or names no host.
#include <string>

std::string ReadConfigHostName(const std::string& configPath);

#pragma once
// How live access reaches one device: address, port, user name and CLI
// platform, kept in the device's section of the project's "Devices.ini"
// ("Address", "Port", "User", "Platform"). No secret is ever kept here.
#include "host/liveaccess/CCliPlatform.h"

#include <string>

class GlobalNetworkInfo;

class CDeviceAccess {
public:
    std::string device;
    std::string address;   // empty: the device's name is resolved instead
    int port = 22;
    std::string user;      // empty: the local user's name
    CliPlatform platform = CliPlatform::Ios;

    // The device's settings; false when the inventory has no such device.
    // Unset keys give the defaults above, the platform from the device's sub type.
    static bool Load(const GlobalNetworkInfo& inventory, const std::string& device, CDeviceAccess& access);
    // Empty when the settings can be stored, else why not (for the user).
    std::string Check() const;
    // Stores the settings in the device's section; false when Check fails,
    // the device is unknown or the file cannot be written.
    bool Save(GlobalNetworkInfo& inventory) const;

    // The address to connect to.
    std::string HostToConnect() const { return address.empty() ? device : address; }
};

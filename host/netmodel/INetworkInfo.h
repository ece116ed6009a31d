#pragma once
// What the host's network information tells about a device, by name.
#include <string>

class INetworkInfo {
public:
    virtual ~INetworkInfo();
    // A property of the device ("config_file_name": the file name of its
    // configuration in the project); empty when the device or property is unknown.
    virtual std::string GetDeviceProperty(const std::string& device, const std::string& property) const = 0;
    // The device's number in the project; -1 when unknown.
    virtual int GetDeviceNumber(const std::string& device) const = 0;
};

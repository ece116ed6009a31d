#include "host/liveaccess/CDeviceAccess.h"

#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"
#include "host/util/CConf.h"

#include <cstdlib>

namespace {
constexpr const char* kAddressKey = "Address";
constexpr const char* kPortKey = "Port";
constexpr const char* kUserKey = "User";
constexpr const char* kPlatformKey = "Platform";

bool HasControlOrBlank(const std::string& text)
{
    for (unsigned char c : text)
        if (c <= ' ' || c == 0x7f)
            return true;
    return false;
}
} // namespace

bool CDeviceAccess::Load(const GlobalNetworkInfo& inventory, const std::string& device, CDeviceAccess& access)
{
    const TWDevice* known = inventory.GetDevice(device, true);
    if (!known)
        return false;
    access = CDeviceAccess();
    access.device = known->GetName();
    access.platform = CCliPlatform::FromDeviceSubType(known->GetDeviceSubType());
    const CConf conf(inventory.GetDevicesFile());
    access.address = conf.GetValue(access.device, kAddressKey);
    access.user = conf.GetValue(access.device, kUserKey);
    const std::string port = conf.GetValue(access.device, kPortKey);
    if (!port.empty()) {
        const int value = std::atoi(port.c_str());
        if (value > 0 && value < 65536)
            access.port = value;
    }
    CliPlatform platform;
    if (CCliPlatform::FromText(conf.GetValue(access.device, kPlatformKey), platform))
        access.platform = platform;
    return true;
}

std::string CDeviceAccess::Check() const
{
    if (HasControlOrBlank(address))
        return "The address of " + device + " cannot hold blanks or control characters.";
    if (address.find_first_of("[]=;") != std::string::npos)
        return "The address of " + device + " is not a host name or an IP address.";
    if (port < 1 || port > 65535)
        return "The SSH port of " + device + " must be between 1 and 65535.";
    if (HasControlOrBlank(user) || user.find_first_of("[]=;@") != std::string::npos)
        return "The user name of " + device + " cannot hold blanks, control characters or any of []=;@.";
    return {};
}

bool CDeviceAccess::Save(GlobalNetworkInfo& inventory) const
{
    if (!Check().empty())
        return false;
    const TWDevice* known = inventory.GetDevice(device, true);
    if (!known)
        return false;
    const std::string section = known->GetName();
    CConf conf(inventory.GetDevicesFile());
    return conf.Edit([&](CConf& file) {
        file.SetValue(section, kAddressKey, address);
        file.SetValue(section, kPortKey, std::to_string(port));
        file.SetValue(section, kUserKey, user);
        file.SetValue(section, kPlatformKey, CCliPlatform::ToText(platform));
        return true;
    });
}

#include "host/netmodel/CProjectNetworkInfo.h"

#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"

INetworkInfo::~INetworkInfo() = default;

std::string CProjectNetworkInfo::GetDeviceProperty(const std::string& device, const std::string& property) const
{
    const TWDevice* found = m_inventory ? m_inventory->GetDevice(device, true) : nullptr;
    if (!found || property != "config_file_name")
        return {};
    return found->GetName() + ".config";
}

int CProjectNetworkInfo::GetDeviceNumber(const std::string& device) const
{
    if (!m_inventory)
        return -1;
    const TWDevice* found = m_inventory->GetDevice(device, true);
    if (!found)
        return -1;
    const std::vector<DeviceSetting*> devices = m_inventory->GetDevices();
    for (std::size_t i = 0; i < devices.size(); ++i)
        if (static_cast<const TWDevice*>(devices[i]) == found)
            return static_cast<int>(i);
    return -1;
}

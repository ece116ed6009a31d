#include "apps/workstation/viewers/CWorkstationDeviceCenter.h"

#include "apps/workstation/viewers/CHostViewers.h"

namespace workstation {

void CWorkstationDeviceCenter::DeviceGroup(const std::vector<DeviceEntry>& devices, bool createGroup)
{
    m_viewers.DeviceGroup(devices, createGroup);
}

bool CWorkstationDeviceCenter::SelectDevice(QWidget*, std::string&, int&, int, int)
{
    return false;
}

bool CWorkstationDeviceCenter::SelectDevices(QWidget*, const std::set<std::string>&, std::vector<DeviceEntry>&, int,
                                             int)
{
    return false;
}

} // namespace workstation

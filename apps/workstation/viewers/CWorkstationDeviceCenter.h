#pragma once
// The workstation's device service: device groups kept in the project. The
// device choosers are not part of this workstation yet and answer Cancel.
#include "host/adaptor/GuiDeviceCenter.h"

namespace workstation {

class CHostViewers;

class CWorkstationDeviceCenter final : public GuiDeviceCenter {
public:
    explicit CWorkstationDeviceCenter(CHostViewers& viewers) : m_viewers(viewers) {}

    void DeviceGroup(const std::vector<DeviceEntry>& devices, bool createGroup) override;
    bool SelectDevice(QWidget* owner, std::string& hostName, int& deviceType, int filter, int options) override;
    bool SelectDevices(QWidget* owner, const std::set<std::string>& current, std::vector<DeviceEntry>& chosen,
                       int action, int options) override;

private:
    CHostViewers& m_viewers;
};

} // namespace workstation

#include "host/adaptor/GuiDeviceCenter.h"
#include "host/adaptor/ServiceSlot.h"

namespace {
class DefaultGuiDeviceCenter final : public GuiDeviceCenter {
public:
    void DeviceGroup(const std::vector<DeviceEntry>&, bool) override {}
    bool SelectDevice(QWidget*, std::string&, int&, int, int) override { return false; }
    bool SelectDevices(QWidget*, const std::set<std::string>&, std::vector<DeviceEntry>&, int,
                       int) override
    {
        return false;
    }
};
using Slot = ServiceSlot<GuiDeviceCenter, DefaultGuiDeviceCenter>;
}

GuiDeviceCenter::~GuiDeviceCenter() = default;

GuiDeviceCenter& GuiDeviceCenter::Instance()
{
    return Slot::Shared().Get();
}

GuiDeviceCenter* GuiDeviceCenter::Install(GuiDeviceCenter* center)
{
    return Slot::Shared().Install(center);
}

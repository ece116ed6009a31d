#include "host/adaptor/GuiMonitorCenter.h"
#include "host/adaptor/ServiceSlot.h"

namespace {
class DefaultGuiMonitorCenter final : public GuiMonitorCenter {
public:
    void ViewMonitorData(const std::string&) override {}
};
using Slot = ServiceSlot<GuiMonitorCenter, DefaultGuiMonitorCenter>;
}

GuiMonitorCenter::~GuiMonitorCenter() = default;

GuiMonitorCenter& GuiMonitorCenter::Instance()
{
    return Slot::Shared().Get();
}

GuiMonitorCenter* GuiMonitorCenter::Install(GuiMonitorCenter* center)
{
    return Slot::Shared().Install(center);
}

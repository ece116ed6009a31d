#include "host/adaptor/GuiRTCenter.h"
#include "host/adaptor/ServiceSlot.h"

namespace {
class DefaultGuiRTCenter final : public GuiRTCenter {
public:
    void SetSimulatedMode(bool) override {}
    void OpenRouteTable(const std::string&, int, int) override {}
    void CompareRouteTable(QWidget*, const std::string&) override {}
    void OnRouteTableRenamed(const std::string&, const std::string&) override {}
};
using Slot = ServiceSlot<GuiRTCenter, DefaultGuiRTCenter>;
}

GuiRTCenter::~GuiRTCenter() = default;

void GuiRTCenter::CompareRouteTables(QWidget*, const std::string&, const std::string&) {}

GuiRTCenter& GuiRTCenter::Instance()
{
    return Slot::Shared().Get();
}

GuiRTCenter* GuiRTCenter::Install(GuiRTCenter* center)
{
    return Slot::Shared().Install(center);
}

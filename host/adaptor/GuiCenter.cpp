#include "host/adaptor/GuiCenter.h"
#include "host/adaptor/ServiceSlot.h"

namespace {
class DefaultGuiCenter final : public GuiCenter {
public:
    void OnCurrentDataSetChanged(const std::string&, const std::vector<int>&, bool, int) override {}
    bool IsRestrictedMode() override { return false; }
};
using Slot = ServiceSlot<GuiCenter, DefaultGuiCenter>;
}

GuiCenter::~GuiCenter() = default;

GuiCenter& GuiCenter::Instance()
{
    return Slot::Shared().Get();
}

GuiCenter* GuiCenter::Install(GuiCenter* center)
{
    return Slot::Shared().Install(center);
}

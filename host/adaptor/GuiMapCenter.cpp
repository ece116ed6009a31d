#include "host/adaptor/GuiMapCenter.h"
#include "host/adaptor/ServiceSlot.h"

namespace {
class DefaultGuiMapCenter final : public GuiMapCenter {
public:
    void GetLinkedDataSets(std::vector<tagDataSetInfo*>&) override {}
};
using Slot = ServiceSlot<GuiMapCenter, DefaultGuiMapCenter>;
}

GuiMapCenter::~GuiMapCenter() = default;

GuiMapCenter& GuiMapCenter::Instance()
{
    return Slot::Shared().Get();
}

GuiMapCenter* GuiMapCenter::Install(GuiMapCenter* center)
{
    return Slot::Shared().Install(center);
}

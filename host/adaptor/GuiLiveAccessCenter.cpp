#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/adaptor/ServiceSlot.h"

namespace {
class DefaultGuiLiveAccessCenter final : public GuiLiveAccessCenter {
public:
    void SetCurrentDataSetPath(const std::string&) override {}
    bool ExecuteCommand(const std::string&, const std::string&, const std::string&,
                        QWidget*) override
    {
        return false;
    }
    bool IsRetrieving() override { return false; }
    void RetrieveLiveData(const std::string&, const std::string&, int) override {}
    void ViewIpAccounting(const std::string&) override {}
};
using Slot = ServiceSlot<GuiLiveAccessCenter, DefaultGuiLiveAccessCenter>;
}

GuiLiveAccessCenter::~GuiLiveAccessCenter() = default;

GuiLiveAccessCenter& GuiLiveAccessCenter::Instance()
{
    return Slot::Shared().Get();
}

GuiLiveAccessCenter* GuiLiveAccessCenter::Install(GuiLiveAccessCenter* center)
{
    return Slot::Shared().Install(center);
}

#include "apps/workstation/CWorkstationLiveAccess.h"

#include "platform/core/Prompter.h"

namespace workstation {

CWorkstationLiveAccess::CWorkstationLiveAccess() : m_previous(GuiLiveAccessCenter::Install(this)) {}

CWorkstationLiveAccess::~CWorkstationLiveAccess()
{
    if (&GuiLiveAccessCenter::Instance() == this)
        GuiLiveAccessCenter::Install(m_previous);
}

std::string CWorkstationLiveAccess::NoAccessMessage(const std::string& device, const std::string& command)
{
    return "\"" + command + "\" was not run on " + device +
           ": no device access is configured in this workstation. Import a captured session log instead "
           "(DataFolder > Import Show Command Results...).";
}

bool CWorkstationLiveAccess::ExecuteCommand(const std::string& device, const std::string& command,
                                            const std::string&, QWidget* owner)
{
    platform::MessageBoxTW(NoAccessMessage(device, command), platform::BoxIcon::Exclamation,
                           platform::BoxButtons::Ok, owner);
    return false;
}

void CWorkstationLiveAccess::RetrieveLiveData(const std::string&, const std::string&, int)
{
    platform::MessageBoxTW("No live data was retrieved: no device access is configured in this workstation.",
                           platform::BoxIcon::Exclamation);
}

} // namespace workstation

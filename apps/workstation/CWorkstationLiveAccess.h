#pragma once
// The workstation's live access until device sessions (SSH) are configured:
// it runs no command, says so plainly when asked to, and writes no result, so
// nothing looks as if a device had answered. Installed while it lives.
#include "host/adaptor/GuiLiveAccessCenter.h"

#include <string>

namespace workstation {

class CWorkstationLiveAccess final : public GuiLiveAccessCenter {
public:
    CWorkstationLiveAccess();
    ~CWorkstationLiveAccess() override;

    void SetCurrentDataSetPath(const std::string& path) override { m_dataFolder = path; }
    // Tells the user that no device access is configured; false.
    bool ExecuteCommand(const std::string& device, const std::string& command, const std::string& resultPath,
                        QWidget* owner) override;
    bool IsRetrieving() override { return false; }
    void RetrieveLiveData(const std::string& devices, const std::string& dataFolder, int mode) override;
    void ViewIpAccounting(const std::string&) override {}

    static std::string NoAccessMessage(const std::string& device, const std::string& command);

private:
    std::string m_dataFolder;
    GuiLiveAccessCenter* m_previous = nullptr;
};

} // namespace workstation

#pragma once
// Device choosers that answer as scripted (no answer: the user cancelled) and
// remember what they were asked; installed for their lifetime.
#include "host/adaptor/GuiDeviceCenter.h"

#include <set>
#include <string>
#include <vector>

namespace twtest {

class RecordingDeviceCenter final : public GuiDeviceCenter {
public:
    RecordingDeviceCenter() { m_previous = Install(this); }
    ~RecordingDeviceCenter() override { Install(m_previous); }

    void DeviceGroup(const std::vector<DeviceEntry>&, bool) override {}
    bool SelectDevice(QWidget*, std::string& hostName, int&, int filter, int) override
    {
        filters.push_back(filter);
        if (answerHost.empty())
            return false;
        hostName = answerHost;
        return true;
    }
    bool SelectDevices(QWidget*, const std::set<std::string>&, std::vector<DeviceEntry>& chosen, int action,
                       int) override
    {
        actions.push_back(action);
        chosen = answerDevices;
        return !answerDevices.empty();
    }

    std::string answerHost;
    std::vector<DeviceEntry> answerDevices;
    std::vector<int> filters;
    std::vector<int> actions;

private:
    GuiDeviceCenter* m_previous = nullptr;
};

} // namespace twtest

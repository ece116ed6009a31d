#pragma once
// The workstation's monitoring service.
#include <string>

class GuiMonitorCenter {
public:
    virtual ~GuiMonitorCenter();

    // Opens a device's monitoring period folder in the host's monitor viewer.
    virtual void ViewMonitorData(const std::string& path) = 0;

    // The installed service, else a default that opens nothing.
    static GuiMonitorCenter& Instance();
    // Returns the previously installed service; null restores the default.
    static GuiMonitorCenter* Install(GuiMonitorCenter* center);
};

#pragma once
// The workstation's device service: device choosers and device groups.
#include <set>
#include <string>
#include <vector>

class QWidget;

class GuiDeviceCenter {
public:
    struct DeviceEntry {
        std::string name;
        int type = 0;
    };

    virtual ~GuiDeviceCenter();

    // The host adds the devices to a group the user picks, or creates a new group of them.
    virtual void DeviceGroup(const std::vector<DeviceEntry>& devices, bool createGroup) = 0;
    // Lets the user pick one device of the kinds that filter allows; hostName
    // is the preselection and receives the choice. True on OK.
    virtual bool SelectDevice(QWidget* owner, std::string& hostName, int& deviceType, int filter,
                              int options) = 0;
    // Lets the user pick devices that support action, starting from current;
    // chosen receives the whole new set. True when the user confirmed.
    virtual bool SelectDevices(QWidget* owner, const std::set<std::string>& current,
                               std::vector<DeviceEntry>& chosen, int action, int options) = 0;

    // The installed service, else a default whose choosers are always cancelled.
    static GuiDeviceCenter& Instance();
    // Returns the previously installed service; null restores the default.
    static GuiDeviceCenter* Install(GuiDeviceCenter* center);
};

#pragma once
// What the workstation knows about each kind of device.
#include <string>

class TWDeviceFactory {
public:
    // Whether a device of this TWDeviceType takes part in an action
    // (TWDeviceAction). Unknown types and unknown actions: false.
    static bool IsValidAction(int deviceType, int action);
    // Icon index of a TWDeviceType in the device lists: 0 unknown, 1 router,
    // 2 switch, 3 firewall.
    static int GetIndexOfDeviceSubType(int deviceType);

    // Words used in Devices.ini and on the command line ("router", "switch",
    // "firewall"; "ios", "nxos", "catos", "asa"), read ignoring case. Unknown
    // words give 0.
    static int TypeFromText(const std::string& text);
    static std::string TypeToText(int deviceType);   // empty for unknown
    static int SubTypeFromText(const std::string& text);
    static std::string SubTypeToText(int deviceSubType); // empty for unknown
};

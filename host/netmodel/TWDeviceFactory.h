#pragma once
// What the workstation knows about each kind of device.
#include <string>

struct TWDeviceBaseInfo;

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

    // Fills info's host name from a device configuration: "hostname NAME"
    // (IOS, IOS-XE, NX-OS, ASA), "switchname NAME" (older NX-OS) or "set system
    // name NAME" (CatOS), the first of them in the file, quotes removed. False,
    // with the name empty, when the file cannot be read or names no host.
    static bool ParserBaseInfoFromConfigFile(const std::string& configPath, TWDeviceBaseInfo& info);
};

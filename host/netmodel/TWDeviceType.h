#pragma once
// Kinds of device the network model keeps. The numbers are stored nowhere
// (Devices.ini holds the words of TWDeviceFactory), so they may be extended.

enum TWDeviceType : int {
    TW_DEVICE_UNKNOWN = 0,
    TW_DEVICE_ROUTER = 1,
    TW_DEVICE_SWITCH = 2,
    TW_DEVICE_FIREWALL = 3,
};

// The CLI family of a device: decides how its command output reads.
enum TWDeviceSubType : int {
    TW_SUBTYPE_UNKNOWN = 0,
    TW_SUBTYPE_CISCO_IOS = 1,
    TW_SUBTYPE_CISCO_NXOS = 2,
    TW_SUBTYPE_CISCO_CATOS = 3,
    TW_SUBTYPE_CISCO_ASA = 4,
};

// Actions a caller asks TWDeviceFactory::IsValidAction about.
enum TWDeviceAction : int {
    TW_ACTION_COMPARE = 20,        // current-versus-baseline comparison
    TW_ACTION_SHOW_COMMAND = 41,   // show-command results
};

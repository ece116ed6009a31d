#pragma once
// The CLI families live access talks to, and what each needs from a session:
// the command that switches paging off and the commands that make up a
// device's live data.
#include <string>
#include <vector>

enum class CliPlatform { Ios, IosXe, NxOs, CatOs };

class CCliPlatform {
public:
    // "IOS", "IOS-XE", "NX-OS", "CatOS".
    static std::string ToText(CliPlatform platform);
    // Reads the words above ignoring case; false for anything else.
    static bool FromText(const std::string& text, CliPlatform& platform);
    // The platform a device of the network model runs (TWDeviceSubType).
    static CliPlatform FromDeviceSubType(int deviceSubType);
    static int ToDeviceSubType(CliPlatform platform);
    static std::vector<CliPlatform> All();

    static std::string PagingOffCommand(CliPlatform platform);
    // The command whose output is the device's running configuration.
    static std::string ConfigurationCommand(CliPlatform platform);
    // Configuration first, then route, ARP, MAC, CDP and interface commands,
    // spelled as the import recognises them.
    static std::vector<std::string> LiveDataCommands(CliPlatform platform);
};

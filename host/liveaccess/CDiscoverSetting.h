#pragma once
// Settings of live data retrieval, and the test of whether a device's
// command output is a real result or the CLI refusing the command.
#include <string>

class CDiscoverSetting {
public:
    static CDiscoverSetting& Instance();

    // output: the command line first, then what the device printed (LF
    // separated). False when nothing but blank lines follows the command line,
    // or when the first printed line (caret markers skipped) is a CLI error
    // ("% Invalid input", "% Incomplete command", "% Ambiguous command",
    // "% Unknown command", NX-OS "% Invalid command"; CatOS also without "%").
    // deviceSubType: the device's TWDeviceSubType (TWDevice::GetDeviceSubType()).
    bool IsCommandResult(int deviceSubType, const std::string& output) const;

    CDiscoverSetting(const CDiscoverSetting&) = delete;
    CDiscoverSetting& operator=(const CDiscoverSetting&) = delete;

private:
    CDiscoverSetting() = default;
};

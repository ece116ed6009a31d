#pragma once
// The workstation's live-access service: commands and data retrieval on live devices.
#include <string>

class QWidget;

class GuiLiveAccessCenter {
public:
    virtual ~GuiLiveAccessCenter();

    // The host stores live data it retrieves from now on into this DataFolder.
    virtual void SetCurrentDataSetPath(const std::string& path) = 0;
    // Runs command on device and writes its output to resultPath; false when
    // it could not be run (the file is then not written).
    virtual bool ExecuteCommand(const std::string& device, const std::string& command,
                                const std::string& resultPath, QWidget* owner) = 0;
    // True while a live-data retrieval runs.
    virtual bool IsRetrieving() = 0;
    // Starts retrieving the live data of the devices (names separated by line
    // feeds) into the DataFolder; does not wait for it.
    virtual void RetrieveLiveData(const std::string& devices, const std::string& dataFolder,
                                  int mode) = 0;
    // Opens an IP-accounting file in the host's viewer.
    virtual void ViewIpAccounting(const std::string& path) = 0;

    // The installed service, else a default that reaches no device.
    static GuiLiveAccessCenter& Instance();
    // Returns the previously installed service; null restores the default.
    static GuiLiveAccessCenter* Install(GuiLiveAccessCenter* center);
};

#pragma once
// The network model of one project: its devices, kept in the project's
// "Devices.ini" (one section per device: "Type", "SubType", optional "OriName",
// and "If.<interface>=<MAC>" lines). Device names are compared ignoring case.
#include <memory>
#include <string>
#include <vector>

class CConf;
class DeviceSetting;
class L2NetworkInfo;
class TWDevice;

class GlobalNetworkInfo {
public:
    enum class Result { Ok, BadName, BadType, Exists, NotFound, WriteFailed };

    GlobalNetworkInfo();
    virtual ~GlobalNetworkInfo();
    GlobalNetworkInfo(const GlobalNetworkInfo&) = delete;
    GlobalNetworkInfo& operator=(const GlobalNetworkInfo&) = delete;

    // Reads "<projectFolder>/Devices.ini" (missing file: no devices). Sections
    // that are not devices are skipped, never removed. Every change below is
    // keyed and made under the file's lock (CConf): it changes only its own
    // keys, on the file as other processes left it.
    void Load(const std::string& projectFolder);
    // As given to Load, ending in '/'; empty before Load.
    const std::string& GetProjectFolder() const { return m_projectFolder; }
    std::string GetDevicesFile() const;

    // The device lookup: null when the model has no such device. ignoreCase
    // false demands the model's exact spelling.
    virtual TWDevice* GetDevice(const std::string& name, bool ignoreCase) const;
    DeviceSetting* getDeviceSetting(const std::string& name) const;
    // Null when the model has no switch.
    L2NetworkInfo* getL2NetworkInfo() const;

    // Devices in file order.
    std::vector<DeviceSetting*> GetDevices() const;
    // Adds and stores a device. Names that a prompt or Devices.ini could not
    // carry (IsValidDeviceName) are BadName; deviceType must be router, switch
    // or firewall. A device that another process stored meanwhile is Exists.
    Result AddDevice(const std::string& name, int deviceType, int deviceSubType = 0);
    // Removes the device and its section; pointers to it become invalid.
    Result RemoveDevice(const std::string& name);

    // A name a device prompt can carry: not empty, no blank, tab or other
    // control character, none of the prompt's '#' and '>', none of "[]=;()".
    static bool IsValidDeviceName(const std::string& name);
    // A name Devices.ini can keep (blanks inside allowed): what Load accepts,
    // so devices stored before the stricter rule can still be listed and removed.
    static bool IsStorableDeviceName(const std::string& name);

private:
    void RebuildL2();

    std::string m_projectFolder;
    std::unique_ptr<CConf> m_conf;
    std::vector<std::unique_ptr<DeviceSetting>> m_devices;
    std::unique_ptr<L2NetworkInfo> m_l2;
};

// The open project's network model, loaded on first use from its folder and
// loaded again when another project is open; null when no project is open.
// The pointer stays valid until a different project is opened or closed.
GlobalNetworkInfo* GetCurrentGNI();

#pragma once
// The settings of one device of the network model: its kind and its
// interfaces with their MAC addresses. Changes stay in memory until saveToDB
// writes them to the project's "Devices.ini" (section = device name).
#include "host/netmodel/TWDevice.h"

#include <map>
#include <set>
#include <string>

class CConf;
class MacAddress;
class TWFileSystem;

class DeviceSetting : public TWDevice {
public:
    // Case-insensitive interface names ("Gi0/1" and "gi0/1" are one interface).
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using InterfaceMap = std::map<std::string, std::string, NoCaseLess>; // name -> MAC text

    // conf: the model's Devices.ini (not owned; may be null for a loose device).
    DeviceSetting(const std::string& name, int deviceType, int deviceSubType, CConf* conf);
    ~DeviceSetting() override;

    // False (nothing changed) for an empty or unstorable name ("=", line breaks)
    // or an invalid address; the address is kept in dotted form.
    bool setInterfaceMacAddress(const std::string& interfaceName, const MacAddress& mac);
    // The stored dotted address; empty when the interface has none.
    std::string getInterfaceMacAddress(const std::string& interfaceName) const;
    const InterfaceMap& getInterfaces() const { return m_interfaces; }

    // Writes the device to "Devices.ini", under the file's lock and on its
    // latest content. fileSystem: the project to write to, null for the
    // model's own. saveBaseInfo writes type and sub type; saveInterfaces
    // writes the interfaces set since the device was loaded or last saved
    // (into another project's inventory: all of them), leaving every other
    // stored interface as it is. False when there is no file to write, a write
    // failed, or (in the model's own inventory, without saveBaseInfo) the
    // device was removed from the file meanwhile.
    bool saveToDB(TWFileSystem* fileSystem, bool saveBaseInfo, bool saveInterfaces);

    // Reads the device's interfaces from the conf's section (the load path of the model).
    void LoadInterfaces(const CConf& conf);

    // Key prefix of an interface entry in the device's section.
    static constexpr const char* kInterfaceKeyPrefix = "If.";

private:
    CConf* m_conf;
    InterfaceMap m_interfaces;
    std::set<std::string, NoCaseLess> m_changedInterfaces;   // set since load or last save
};

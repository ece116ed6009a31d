#include "host/netmodel/DeviceSetting.h"

#include "host/netmodel/MacAddress.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/util/CConf.h"
#include "host/util/TWFileSystem.h"

#include <strings.h>

#include <memory>

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && strncasecmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}

} // namespace

bool DeviceSetting::NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

DeviceSetting::DeviceSetting(const std::string& name, int deviceType, int deviceSubType, CConf* conf)
    : TWDevice(name, deviceType, deviceSubType), m_conf(conf)
{
}

DeviceSetting::~DeviceSetting() = default;

bool DeviceSetting::setInterfaceMacAddress(const std::string& interfaceName, const MacAddress& mac)
{
    if (interfaceName.empty() || interfaceName.find_first_of("=\r\n") != std::string::npos ||
        !mac.IsValid())
        return false;
    m_interfaces[interfaceName] = mac.ToString();
    m_changedInterfaces.insert(interfaceName);
    return true;
}

std::string DeviceSetting::getInterfaceMacAddress(const std::string& interfaceName) const
{
    const auto it = m_interfaces.find(interfaceName);
    return it == m_interfaces.end() ? std::string() : it->second;
}

bool DeviceSetting::saveToDB(TWFileSystem* fileSystem, bool saveBaseInfo, bool saveInterfaces)
{
    // Another project's inventory is opened for this save only.
    std::unique_ptr<CConf> other;
    CConf* conf = m_conf;
    if (fileSystem) {
        const std::string file = fileSystem->GetProjectFolder() + "Devices.ini";
        if (!m_conf || m_conf->GetConfFileName() != file) {
            other = std::make_unique<CConf>(file);
            conf = other.get();
        }
    }
    if (!conf || conf->GetConfFileName().empty())
        return false;

    const bool ownInventory = conf == m_conf;
    const bool saved = conf->Edit([&](CConf& locked) {
        const bool stored = locked.HasKey(m_name, "Type");
        // In the model's own inventory a device without its section was
        // removed since this one was loaded: it is not brought back.
        if (!saveBaseInfo && !stored && ownInventory)
            return false;
        bool ok = true;
        if (saveBaseInfo || !stored) {
            // A section without its type would not load back as a device.
            ok = locked.SetValue(m_name, "Type", TWDeviceFactory::TypeToText(m_deviceType)) && ok;
            ok = locked.SetValue(m_name, "SubType", TWDeviceFactory::SubTypeToText(m_deviceSubType)) && ok;
        }
        if (saveInterfaces) {
            // Only the interfaces set here: others' changes to the rest stay.
            for (const auto& [name, mac] : m_interfaces) {
                if (ownInventory && m_changedInterfaces.find(name) == m_changedInterfaces.end())
                    continue;
                ok = locked.SetValue(m_name, kInterfaceKeyPrefix + name, mac) && ok;
            }
        }
        return ok;
    });
    if (saved && saveInterfaces && ownInventory)
        m_changedInterfaces.clear();
    return saved;
}

void DeviceSetting::LoadInterfaces(const CConf& conf)
{
    m_interfaces.clear();
    m_changedInterfaces.clear();
    const std::string prefix = kInterfaceKeyPrefix;
    for (const std::string& key : conf.GetKeys(m_name)) {
        if (!StartsWithNoCase(key, prefix) || key.size() == prefix.size())
            continue;
        const MacAddress mac(conf.GetValue(m_name, key));
        if (mac.IsValid())
            m_interfaces[key.substr(prefix.size())] = mac.ToString();
    }
}

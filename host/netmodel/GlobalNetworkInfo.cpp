#include "host/netmodel/GlobalNetworkInfo.h"

#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/L2NetworkInfo.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/util/CConf.h"
#include "host/util/TWFileSystem.h"
#include "host/util/TextFile.h"

#include <strings.h>

#include <algorithm>
#include <mutex>

namespace {

const char* const kDevicesFile = "Devices.ini";

} // namespace

GlobalNetworkInfo::GlobalNetworkInfo() : m_conf(std::make_unique<CConf>()), m_l2(std::make_unique<L2NetworkInfo>()) {}

GlobalNetworkInfo::~GlobalNetworkInfo() = default;

std::string GlobalNetworkInfo::GetDevicesFile() const
{
    return m_projectFolder.empty() ? std::string() : m_projectFolder + kDevicesFile;
}

void GlobalNetworkInfo::Load(const std::string& projectFolder)
{
    m_devices.clear();
    m_projectFolder = projectFolder;
    if (!m_projectFolder.empty() && m_projectFolder.back() != '/')
        m_projectFolder += '/';
    m_conf = std::make_unique<CConf>();
    if (!m_projectFolder.empty())
        m_conf->SetConfFileName(GetDevicesFile());

    // CConf lists no sections, so the file's section headers are read here;
    // the values then come through CConf like every other access.
    std::string bytes;
    std::vector<std::string> sections;
    if (!m_projectFolder.empty())
        TextFile::Read(GetDevicesFile(), bytes); // missing file: no devices
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] != '[')
            continue;
        const auto close = line.find(']', first);
        if (close != std::string::npos)
            sections.push_back(line.substr(first + 1, close - first - 1));
    }

    for (const std::string& name : sections) {
        const int type = TWDeviceFactory::TypeFromText(m_conf->GetValue(name, "Type"));
        if (type == 0 || !IsStorableDeviceName(name) || getDeviceSetting(name))
            continue;
        const int subType = TWDeviceFactory::SubTypeFromText(m_conf->GetValue(name, "SubType"));
        auto device = std::make_unique<DeviceSetting>(name, type, subType, m_conf.get());
        device->LoadInterfaces(*m_conf);
        m_devices.push_back(std::move(device));
    }
    RebuildL2();
}

TWDevice* GlobalNetworkInfo::GetDevice(const std::string& name, bool ignoreCase) const
{
    for (const auto& device : m_devices) {
        const bool same = ignoreCase ? strcasecmp(device->GetName().c_str(), name.c_str()) == 0
                                     : device->GetName() == name;
        if (same)
            return device.get();
    }
    return nullptr;
}

DeviceSetting* GlobalNetworkInfo::getDeviceSetting(const std::string& name) const
{
    return static_cast<DeviceSetting*>(GlobalNetworkInfo::GetDevice(name, true));
}

L2NetworkInfo* GlobalNetworkInfo::getL2NetworkInfo() const
{
    return m_l2->GetSwitches().empty() ? nullptr : m_l2.get();
}

std::vector<DeviceSetting*> GlobalNetworkInfo::GetDevices() const
{
    std::vector<DeviceSetting*> out;
    out.reserve(m_devices.size());
    for (const auto& device : m_devices)
        out.push_back(device.get());
    return out;
}

GlobalNetworkInfo::Result GlobalNetworkInfo::AddDevice(const std::string& name, int deviceType, int deviceSubType)
{
    if (!IsValidDeviceName(name))
        return Result::BadName;
    if (TWDeviceFactory::TypeToText(deviceType).empty())
        return Result::BadType;
    if (getDeviceSetting(name))
        return Result::Exists;
    if (m_projectFolder.empty())
        return Result::WriteFailed;

    auto device = std::make_unique<DeviceSetting>(name, deviceType, deviceSubType, m_conf.get());
    bool existsOnDisk = false;
    const bool saved = m_conf->Edit([&](CConf& locked) {
        // Another process may have added it since this model was loaded.
        existsOnDisk = TWDeviceFactory::TypeFromText(locked.GetValue(name, "Type")) != 0;
        return !existsOnDisk && device->saveToDB(nullptr, true, true);
    });
    if (existsOnDisk)
        return Result::Exists;
    if (!saved) {
        // Keep memory and file telling the same story.
        m_conf->SetConfFileName(GetDevicesFile());
        return Result::WriteFailed;
    }
    m_devices.push_back(std::move(device));
    RebuildL2();
    return Result::Ok;
}

GlobalNetworkInfo::Result GlobalNetworkInfo::RemoveDevice(const std::string& name)
{
    const auto it = std::find_if(m_devices.begin(), m_devices.end(), [&](const auto& device) {
        return strcasecmp(device->GetName().c_str(), name.c_str()) == 0;
    });
    if (it == m_devices.end())
        return Result::NotFound;
    if (!m_conf->DeleteSection((*it)->GetName())) {
        m_conf->SetConfFileName(GetDevicesFile()); // forget the unsaved deletion
        return Result::WriteFailed;
    }
    m_devices.erase(it);
    RebuildL2();
    return Result::Ok;
}

bool GlobalNetworkInfo::IsStorableDeviceName(const std::string& name)
{
    if (name.empty() || name.front() == ' ' || name.back() == ' ')
        return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7f)
            return false;
    }
    // Brackets, '=' and comment marks would break the section header; parentheses
    // would be taken for a CLI mode suffix.
    return name.find_first_of("[]=;#()") == std::string::npos;
}

bool GlobalNetworkInfo::IsValidDeviceName(const std::string& name)
{
    // A prompt ends the host name at a blank and at its own '>' or '#': results
    // of "core r1" would be filed under "core", or nowhere.
    return IsStorableDeviceName(name) && name.find_first_of(" >") == std::string::npos;
}

void GlobalNetworkInfo::RebuildL2()
{
    m_l2->Clear();
    for (const auto& device : m_devices) {
        if (device->GetDeviceType() == TW_DEVICE_SWITCH)
            m_l2->AddSwitch(device->GetName(), m_conf->GetValue(device->GetName(), "OriName"));
    }
}

GlobalNetworkInfo* GetCurrentGNI()
{
    // The import worker asks too, so the lazy load is guarded.
    static std::mutex mutex;
    static std::unique_ptr<GlobalNetworkInfo> model;
    static const TWFileSystem* loadedFrom = nullptr;

    std::lock_guard<std::mutex> lock(mutex);
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem || fileSystem->GetProjectFolder().empty()) {
        model.reset();
        loadedFrom = nullptr;
        return nullptr;
    }
    std::string folder = fileSystem->GetProjectFolder();
    if (folder.back() != '/')
        folder += '/';
    if (!model || loadedFrom != fileSystem || model->GetProjectFolder() != folder) {
        auto fresh = std::make_unique<GlobalNetworkInfo>();
        fresh->Load(folder);
        model = std::move(fresh);
        loadedFrom = fileSystem;
    }
    return model.get();
}

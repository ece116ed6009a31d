#include "apps/twdata/DeviceCommands.h"

#include "apps/twdata/DataFolderCommands.h"

#include "host/netmodel/CDeviceGroups.h"
#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/TWDevice.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDeviceFactory.h"

#include <ostream>

namespace twdata {

namespace {

GlobalNetworkInfo* Model(std::ostream& err)
{
    GlobalNetworkInfo* model = GetCurrentGNI();
    if (!model)
        err << "The project's network model cannot be opened.\n";
    return model;
}

} // namespace

DeviceCommands::DeviceCommands(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

int DeviceCommands::Add(const std::string& name, const std::string& type)
{
    const int deviceType = TWDeviceFactory::TypeFromText(type);
    if (deviceType == 0) {
        m_err << "Unknown device type '" << type << "'. Types: router, switch, firewall.\n";
        return kExitUsage;
    }
    GlobalNetworkInfo* model = Model(m_err);
    if (!model)
        return kExitFailed;
    switch (model->AddDevice(name, deviceType)) {
    case GlobalNetworkInfo::Result::Ok:
        return kExitDone;
    case GlobalNetworkInfo::Result::BadName:
        m_err << "'" << name << "' cannot be a device name: a device's prompt could not carry it. A device "
              << "name is not empty and holds no blank, tab or other control character, no prompt character "
              << "# or >, and none of [ ] = ; ( ).\n";
        return kExitFailed;
    case GlobalNetworkInfo::Result::Exists:
        m_err << "The device '" << name << "' already exists.\n";
        return kExitFailed;
    case GlobalNetworkInfo::Result::WriteFailed:
        m_err << "The device '" << name << "' cannot be written to '" << model->GetDevicesFile() << "'.\n";
        return kExitFailed;
    default:
        m_err << "The device '" << name << "' cannot be added.\n";
        return kExitFailed;
    }
}

int DeviceCommands::List()
{
    GlobalNetworkInfo* model = Model(m_err);
    if (!model)
        return kExitFailed;
    for (const DeviceSetting* device : model->GetDevices())
        m_out << device->GetName() << '\t' << TWDeviceFactory::TypeToText(device->GetDeviceType()) << '\n';
    return kExitDone;
}

int DeviceCommands::Remove(const std::string& name)
{
    GlobalNetworkInfo* model = Model(m_err);
    if (!model)
        return kExitFailed;
    switch (model->RemoveDevice(name)) {
    case GlobalNetworkInfo::Result::Ok:
        return kExitDone;
    case GlobalNetworkInfo::Result::NotFound:
        m_err << "No device '" << name << "' in this project.\n";
        return kExitFailed;
    default:
        m_err << "The device '" << name << "' cannot be removed from '" << model->GetDevicesFile() << "'.\n";
        return kExitFailed;
    }
}

namespace {

// The model's own spelling and type of each device; false, naming the first
// device the project does not have, when there is one.
bool Members(const GlobalNetworkInfo& model, const std::vector<std::string>& devices,
             std::vector<CDeviceGroups::Member>& members, std::ostream& err)
{
    for (const std::string& name : devices) {
        const TWDevice* device = model.GetDevice(name, true);
        if (!device) {
            err << "No device '" << name << "' in this project; the device group is unchanged.\n";
            return false;
        }
        members.push_back({device->GetName(), device->GetDeviceType()});
    }
    return true;
}

} // namespace

int DeviceCommands::Groups()
{
    GlobalNetworkInfo* model = Model(m_err);
    if (!model)
        return kExitFailed;
    for (const CDeviceGroups::Group& group : CDeviceGroups(model->GetProjectFolder()).GetGroups())
        for (const std::string& device : group.devices)
            m_out << group.name << '\t' << device << '\n';
    return kExitDone;
}

int DeviceCommands::GroupCreate(const std::string& group, const std::vector<std::string>& devices)
{
    return ChangeGroup(group, devices, true);
}

int DeviceCommands::GroupAdd(const std::string& group, const std::vector<std::string>& devices)
{
    return ChangeGroup(group, devices, false);
}

int DeviceCommands::ChangeGroup(const std::string& group, const std::vector<std::string>& devices, bool create)
{
    GlobalNetworkInfo* model = Model(m_err);
    std::vector<CDeviceGroups::Member> members;
    if (!model || !Members(*model, devices, members, m_err))
        return kExitFailed;
    CDeviceGroups groups(model->GetProjectFolder());
    const CDeviceGroups::Result result = create ? groups.Create(group, members) : groups.Add(group, members);
    if (result != CDeviceGroups::Result::Ok) {
        m_err << groups.Describe(result, group) << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

} // namespace twdata

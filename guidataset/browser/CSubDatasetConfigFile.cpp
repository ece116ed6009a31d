#include "guidataset/browser/CSubDatasetConfigFile.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/IDatafolderList.h"
#include "host/adaptor/HostMessages.h"
#include "host/baseline/CBaseline.h"
#include "host/netmodel/CHostName.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"
#include "host/netmodel/TWDeviceBaseInfo.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/util/MessageDispatcher.h"
#include "platform/core/Prompter.h"

#include <cstdint>

namespace {

// The device type sent for a configuration whose device the model does not hold.
constexpr int kUnknownDeviceType = 1021;

std::uintptr_t Word(const void* pointer)
{
    return reinterpret_cast<std::uintptr_t>(pointer);
}

std::intptr_t Long(const void* pointer)
{
    return reinterpret_cast<std::intptr_t>(pointer);
}

std::string ConfigHostName(const std::string& configPath)
{
    TWDeviceBaseInfo info;
    TWDeviceFactory::ParserBaseInfoFromConfigFile(configPath, info);
    return info.hostName;
}

std::string DeviceNameOf(const std::string& configPath)
{
    return CHostName::GetDeviceName(ConfigHostName(configPath));
}

void ReportMissingDevice(const std::string& name)
{
    platform::AppMessageBox("The device(" + name + ") does not exist.");
}

} // namespace

bool CSubDatasetConfigFile::OnCommand(int commandId, int pageId)
{
    if (CSubDatasetNormal::OnCommand(commandId, pageId))
        return true;
    if (commandId == browsercmd::kUpdateOne) {
        UpdateOne();
        return true;
    }
    if (commandId == browsercmd::kUpdateSeveral) {
        UpdateSeveral();
        return true;
    }
    return false;
}

bool CSubDatasetConfigFile::BuildMenu(CPopupMenu& menu, CPopupMenu& subMenu, bool locked, int)
{
    AppendMenuHead(menu, subMenu, true);
    if (CBaseline::Instance()) {
        const int selected = SelectedCount();
        menu.AppendCommand(selected == 1 ? browsercmd::kUpdateOne : browsercmd::kUpdateSeveral,
                           "Update to workspace", selected > 0);
    }
    AppendMenuTail(menu, locked);
    return true;
}

void CSubDatasetConfigFile::ViewFile(const std::string& path, int)
{
    hostmsg::ConfigViewRequest request;
    request.path = path.c_str();
    MessageDispatcher::Instance().CallReceiver(hostmsg::kConfigViewerReceiver, hostmsg::kViewConfig, 0,
                                               Long(&request));
}

void CSubDatasetConfigFile::CompareFile(const std::string& path, int)
{
    DatafolderSelection* selection = GetSelection();
    if (!GetList() || !selection)
        return;
    CBaseline* project = CBaseline::Instance();
    CNetworkBase* network = project && project->IsCompareReady() ? selection->network : nullptr;
    MessageDispatcher::Instance().CallReceiver(hostmsg::kConfigViewerReceiver, hostmsg::kCompareConfig,
                                               Word(path.c_str()), Long(network));
}

void CSubDatasetConfigFile::UpdateOne()
{
    const std::string path = GetSelectedFilePath();
    if (path.empty())
        return;
    const std::string name = DeviceNameOf(path);
    GlobalNetworkInfo* model = GetCurrentGNI();
    if (!model)
        return;
    TWDevice* device = model->GetDevice(name, true);
    if (!device) {
        ReportMissingDevice(name);
        return;
    }
    hostmsg::ConfigUpdateRequest request;
    request.kind = 3;
    request.deviceName = name;
    request.deviceType = device->GetDeviceType();
    request.path = path;
    MessageDispatcher::Instance().CallReceiver(hostmsg::kConfigViewerReceiver, hostmsg::kUpdateConfig, 0,
                                               Long(&request));
}

void CSubDatasetConfigFile::UpdateSeveral()
{
    IDatafolderList* list = GetList();
    DatafolderSelection* selection = GetSelection();
    GlobalNetworkInfo* model = GetCurrentGNI();
    if (!list || !selection || !model)
        return;
    const std::string folder = KindFolder();
    std::vector<GuiDeviceCenter::DeviceEntry> devices;
    for (int row : list->GetSelectedRows()) {
        std::string fileName;
        GetRowFileName(fileName, row, false);
        const std::string name = DeviceNameOf(folder + fileName);
        TWDevice* device = model->GetDevice(name, true);
        if (!device) {
            ReportMissingDevice(list->GetItemText(row, 0) + ".config");
            continue;
        }
        devices.push_back({name, device->GetDeviceType()});
    }
    if (devices.empty())
        return;
    if (selection->notify)
        selection->notify(selection->callbackArgument, 0);
    MessageDispatcher::Instance().CallReceiver(hostmsg::kConfigViewerReceiver, hostmsg::kUpdateConfigs,
                                               Word(&devices), Long(folder.c_str()));
}

void CSubDatasetConfigFile::OnDeviceGroup(int create)
{
    IDatafolderList* list = GetList();
    if (!list)
        return;
    const std::string folder = KindFolder();
    if (list->GetSelectedCount() == 0)
        for (int row = 0; row < list->GetItemCount(); ++row)
            list->SetRowSelected(row, true);
    GlobalNetworkInfo* model = GetCurrentGNI();
    std::vector<GuiDeviceCenter::DeviceEntry> devices;
    for (int row : list->GetSelectedRows()) {
        std::string fileName;
        GetRowFileName(fileName, row, false);
        std::string name = ConfigHostName(folder + fileName);
        name = name.substr(0, name.find(' '));
        if (name.empty())
            continue;
        TWDevice* device = model ? model->GetDevice(name, true) : nullptr;
        devices.push_back({name, device ? device->GetDeviceType() : kUnknownDeviceType});
    }
    GuiDeviceCenter::Instance().DeviceGroup(devices, create != 0);
}

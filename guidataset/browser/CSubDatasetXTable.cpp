#include "guidataset/browser/CSubDatasetXTable.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/IDatafolderList.h"
#include "guidataset/dataset/core/DataKind.h"
#include "host/adaptor/GuiDeviceCenter.h"
#include "host/adaptor/GuiRTCenter.h"
#include "host/adaptor/HostMessages.h"
#include "host/guiutil/CDovrelRtbFileRenameDlg.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"
#include "host/util/CTWRTPath.h"
#include "host/util/MessageDispatcher.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"

#include <QDialog>

#include <cstdint>

namespace {

struct TableMessages {
    unsigned view = 0;
    unsigned compare = 0;
};

// The table viewer's messages of the ARP, MAC and CDP pages; none for others.
TableMessages MessagesOf(int pageId)
{
    switch (pageId) {
    case kKindLiveArpTable: return {hostmsg::kViewArpTable, hostmsg::kCompareArpTable};
    case kKindLiveMacTable: return {hostmsg::kViewMacTable, hostmsg::kCompareMacTable};
    case kKindLiveCdpTable: return {hostmsg::kViewCdpTable, hostmsg::kCompareCdpTable};
    default: return {};
    }
}

bool IsRouteTablePage(int pageId)
{
    return pageId == kKindLiveRouteTable || pageId == kKindSimulatedRouteTable;
}

// The host of a Hostname cell: the text before its first blank.
std::string HostOfCell(const std::string& cell)
{
    std::string host, qualifier;
    SplitHostCell(cell, host, qualifier);
    return host;
}

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int CSubDatasetXTable::TableTypeOf(int pageId)
{
    switch (pageId) {
    case kKindLiveArpTable: return CTWRTPath::kArpTable;
    case kKindLiveMacTable: return CTWRTPath::kMacTable;
    case kKindLiveCdpTable: return CTWRTPath::kCdpTable;
    default: return CTWRTPath::kRouteTable;
    }
}

void CSubDatasetXTable::PrepareColumns(int& layoutId, bool&)
{
    ReplaceColumns(layoutId, browserlayout::kTable, {{"Hostname", 180}, {"Name", 128}, {"Execution Time", 128}});
}

bool CSubDatasetXTable::OnCommand(int commandId, int pageId)
{
    if (CSubDatasetBase::OnCommand(commandId, pageId))
        return true;
    if (commandId == browsercmd::kRename) {
        RenameOrSaveAs(0);
        return true;
    }
    return commandId == browsercmd::kTableNoAction;
}

void CSubDatasetXTable::Populate(const std::string& kindFolder, int pageId, int rowImage, const std::string& filter)
{
    IDatafolderList* list = GetList();
    if (!list)
        return;
    int listedKind = 0;
    switch (pageId) {
    case kKindLiveRouteTable:
    case kKindSimulatedRouteTable: listedKind = kKindLiveRouteTable; break;
    case kKindLiveArpTable:
    case kKindLiveMacTable:
    case kKindLiveCdpTable: listedKind = pageId; break;
    default: return;
    }
    const std::vector<platform::DirEntry> entries = ListKindFiles(kindFolder, listedKind, filter);
    std::vector<ListRow> rows(entries.size());
    CLocalTimeText time(kTableTimePattern);
    std::size_t at = rows.size();
    for (const platform::DirEntry& entry : entries) {
        // Each row goes in above the one before: the search's order reversed.
        if (!TableFileRow(entry, rowImage, time, rows[--at]))
            ++m_notes.unnamedFiles;
    }
    list->InsertRows(0, std::move(rows));
}

bool CSubDatasetXTable::BuildMenu(CPopupMenu& menu, CPopupMenu& subMenu, bool locked, int)
{
    AppendMenuHead(menu, subMenu, true);
    const int selected = SelectedCount();
    const bool oneUnlocked = selected == 1 && !locked;
    IDatafolderList* list = GetList();
    const int first = list ? list->GetFirstSelected() : -1;
    const std::string name = first >= 0 ? list->GetItemText(first, 1) : std::string();
    // The device's own tables keep their built-in names.
    if (name != CTWRTPath::kDefaultLiveName && name != CTWRTPath::kDefaultSimulationName)
        menu.AppendCommand(browsercmd::kRename, "Rename", oneUnlocked);
    menu.AppendCommand(browsercmd::kSaveAs, "Save as", oneUnlocked);
    AppendMenuTail(menu, locked);
    return true;
}

void CSubDatasetXTable::ViewFile(const std::string& path, int pageId)
{
    if (IsRouteTablePage(pageId)) {
        GuiRTCenter& routeTables = GuiRTCenter::Instance();
        routeTables.SetSimulatedMode(pageId == kKindSimulatedRouteTable);
        routeTables.OpenRouteTable(path, 0, 0);
        return;
    }
    if (const TableMessages messages = MessagesOf(pageId); messages.view != 0)
        MessageDispatcher::Instance().CallReceiver(hostmsg::kTableViewerReceiver, messages.view,
                                                   reinterpret_cast<std::uintptr_t>(path.c_str()), 0);
}

void CSubDatasetXTable::CompareFile(const std::string& path, int pageId)
{
    IDatafolderList* list = GetList();
    if (!list || !GetSelection())
        return;
    const int row = list->GetFirstSelected();
    if (row < 0)
        return;
    if (IsRouteTablePage(pageId)) {
        GuiRTCenter::Instance().CompareRouteTable(nullptr, path);
        return;
    }
    const TableMessages messages = MessagesOf(pageId);
    if (messages.compare == 0)
        return;
    hostmsg::TableCompareRequest request;
    request.hostName = HostOfCell(list->GetItemText(row, 0));
    request.path = path;
    request.otherHostName = request.hostName;
    MessageDispatcher::Instance().CallReceiver(hostmsg::kTableViewerReceiver, messages.compare, 0,
                                               reinterpret_cast<std::intptr_t>(&request));
}

void CSubDatasetXTable::SaveFileAs(const std::string&, int)
{
    RenameOrSaveAs(1);
}

void CSubDatasetXTable::RenameOrSaveAs(int mode)
{
    IDatafolderList* list = GetList();
    DatafolderSelection* selection = GetSelection();
    if (!list || !selection)
        return;
    const int row = list->GetFirstSelected();
    if (row < 0)
        return;
    std::string oldPath;
    GetFilePath(oldPath, row, false);
    if (oldPath.empty())
        return;
    const std::string hostCell = list->GetItemText(row, 0);
    std::string host, qualifier;
    SplitHostCell(hostCell, host, qualifier);

    CDovrelRtbFileRenameDlg dialog;
    dialog.SetTableName(list->GetItemText(row, 1));
    dialog.SetHostName(host);
    dialog.SetQualifier(qualifier);
    dialog.SetFolder(KindFolder());
    dialog.SetTableType(TableTypeOf(selection->pageId));
    dialog.SetMode(mode);
    dialog.SetSourcePath(oldPath);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;

    if (mode == 0) {
        list->SetItemText(row, 1, dialog.GetTableName());
        list->SetItemKey(row, BaseName(dialog.GetNewPath()));
        std::string newPath;
        GetFilePath(newPath, row, false);
        GuiRTCenter::Instance().OnRouteTableRenamed(oldPath, newPath);
        return;
    }
    Refresh(selection->pageId, selection->RowImage(), SavedFilter());
    for (int other : list->GetSelectedRows())
        list->SetRowSelected(other, false);
    for (int candidate = 0; candidate < list->GetItemCount(); ++candidate) {
        if (list->GetItemText(candidate, 0) == hostCell && list->GetItemText(candidate, 1) == dialog.GetTableName()) {
            list->SetRowSelected(candidate, true);
            break;
        }
    }
}

void CSubDatasetXTable::OnDeviceGroup(int create)
{
    IDatafolderList* list = GetList();
    DatafolderSelection* selection = GetSelection();
    if (!list || !selection)
        return;
    if (list->GetSelectedCount() == 0)
        for (int row = 0; row < list->GetItemCount(); ++row)
            list->SetRowSelected(row, true);
    // The host keeps one network model, the open project's.
    GlobalNetworkInfo* model = selection->network ? GetCurrentGNI() : nullptr;
    std::vector<GuiDeviceCenter::DeviceEntry> devices;
    if (model) {
        for (int row : list->GetSelectedRows()) {
            if (TWDevice* device = model->GetDevice(HostOfCell(list->GetItemText(row, 0)), true))
                devices.push_back({device->GetName(), device->GetDeviceType()});
        }
    }
    if (devices.empty()) {
        platform::MessageBoxTW("None of the tables' devices is a device of the project, so no device group "
                               "can take them.");
        return;
    }
    GuiDeviceCenter::Instance().DeviceGroup(devices, create != 0);
}

void CSubDatasetXTable::GetRowFileName(std::string& name, int row, bool)
{
    name.clear();
    IDatafolderList* list = GetList();
    DatafolderSelection* selection = GetSelection();
    if (!list || !selection || row < 0 || row >= list->GetItemCount())
        return;
    const std::string hostCell = list->GetItemText(row, 0);
    const std::string nameCell = list->GetItemText(row, 1);
    // The row knows the exact name of the file it was listed from, as long as
    // its cells still show that file.
    const std::string key = list->GetItemKey(row);
    if (!key.empty()) {
        std::string keyHost, keyName;
        TableRowCells(key, keyHost, keyName);
        if (keyHost == hostCell && keyName == nameCell) {
            name = key;
            return;
        }
    }
    std::string host, qualifier;
    SplitHostCell(hostCell, host, qualifier);
    name = CTWRTPath::GetRtbFileName(host, nameCell, qualifier, TableTypeOf(selection->pageId));
}

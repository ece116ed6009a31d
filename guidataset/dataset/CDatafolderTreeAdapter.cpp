#include "guidataset/dataset/CDatafolderTreeAdapter.h"

#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/dataset/CDatafolderPanelDlg.h"
#include "guidataset/dataset/CDatasetTreeCtrl.h"
#include "guidataset/dataset/CPanelIcons.h"
#include "guidataset/dataset/DataSetItemFill.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dataset/core/DataFolderName.h"
#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "guidataset/dialogs/ExportDataFolder.h"
#include "guidataset/showcmd/CImportDatasetDlg.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/adaptor/HostMessages.h"
#include "host/baseline/CNetworkBase.h"
#include "host/util/CDataFolderGuard.h"
#include "host/util/EventDispatcher.h"
#include "host/util/MessageDispatcher.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ShellFileOp.h"
#include "platform/qt/StartProcess.h"
#include "platform/qt/WaitCursor.h"

#include <QTreeWidget>

#include <filesystem>

namespace {

constexpr int kIconRole = Qt::UserRole + 3;

std::string WithoutSeparator(std::string path)
{
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

// Events carry the DataFolder path as a C string.
void* EventPath(const std::string& path) { return const_cast<char*>(path.c_str()); }

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

GuiDatasetCenter* Service() { return GuiDatasetCenter::Instance(); }

} // namespace

CDatafolderTreeAdapter::CDatafolderTreeAdapter(CDatasetTreeCtrl* tree, CDatafolderPanelDlg* panel)
    : m_tree(tree), m_panel(panel)
{
}

void CDatafolderTreeAdapter::SetItemIcon(QTreeWidgetItem* item, int icon)
{
    if (!item)
        return;
    const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(item);
    item->setData(0, kIconRole, icon);
    item->setIcon(0, CPanelIcons::Icon(icon, record && record->itemType == kItemExternal));
}

int CDatafolderTreeAdapter::ItemIcon(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kIconRole).toInt() : -1;
}

bool CDatafolderTreeAdapter::IsDataFolderItem(const QTreeWidgetItem* item)
{
    const int icon = ItemIcon(item);
    return icon == kIconLocked || icon == kIconUnlocked;
}

TWFileSystem* CDatafolderTreeAdapter::FileSystem() const
{
    return m_network ? m_network->GetFileSystem() : nullptr;
}

std::string CDatafolderTreeAdapter::DataFolderPathOf(const QTreeWidgetItem* item) const
{
    const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(item);
    return IsDataFolderItem(item) && record ? RecordPath(*record) : std::string();
}

std::string CDatafolderTreeAdapter::RecordPath(const tagDataSetInfo& record) const
{
    // The registry lists a project DataFolder by its folder's own name and a
    // linked one by its path: no lookup is needed, and a folder removed
    // behind the workstation's back is still named where it was.
    const TWFileSystem* fileSystem = FileSystem();
    if (!fileSystem || record.fullName.empty())
        return {};
    if (record.itemType == kItemProject && record.fullName.find_first_of("/\\") == std::string::npos)
        return WithoutSeparator(fileSystem->GetDataSetsFolder() + record.fullName);
    if (record.itemType == kItemExternal)
        return WithoutSeparator(record.fullName);
    TWDataSet* registry = RegistryOf(m_network);
    return registry ? WithoutSeparator(registry->GetDataSetPath(record.fullName)) : std::string();
}

bool CDatafolderTreeAdapter::IsSystemDataFolder(const std::string& path) const
{
    const TWFileSystem* fileSystem = FileSystem();
    return fileSystem && !path.empty() && path + "/" == fileSystem->GetDataSetRecent() && Exists(path);
}

bool CDatafolderTreeAdapter::IsLocked(const std::string& path) const
{
    bool cancel = false;
    GuiDatasetCenter* service = Service();
    return service ? service->IsLocked2(path, cancel, false) : ReadDatasetLockFlag(path, cancel, false);
}

void CDatafolderTreeAdapter::BuildMenu(const QTreeWidgetItem* item, CPopupMenu& menu) const
{
    const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(item);
    if (!item)
        return;
    if (!IsDataFolderItem(item)) {
        if (!record || record->itemType != 0)
            return;
        menu.AppendCommand(panelcmd::kNew, "New DataFolder");
        menu.AppendCommand(panelcmd::kImport, "Import DataFolder");
        menu.AppendCommand(panelcmd::kLinkOutside, "Link Outside DataFolder");
        menu.AppendSeparator();
        menu.AppendCommand(panelcmd::kRefresh, "Refresh");
        return;
    }
    const std::string path = DataFolderPathOf(item);
    const bool locked = IsLocked(path);
    menu.AppendCommand(panelcmd::kSetCurrent, "Set as Current DataFolder");
    menu.AppendCommand(panelcmd::kExport, "Export DataFolder");
    menu.AppendCommand(panelcmd::kGotoFolder, "Goto Folder");
    menu.AppendSeparator();
    const int type = record ? record->itemType : 0;
    if (type == kItemProject) {
        if (!locked && !IsSystemDataFolder(path))
            menu.AppendCommand(panelcmd::kRename, "Rename");
        if (!locked)
            menu.AppendCommand(panelcmd::kDelete, "Delete");
    } else if (type == kItemExternal) {
        menu.AppendCommand(panelcmd::kRemove, "Remove");
    }
    menu.AppendSeparator();
    menu.AppendCommand(panelcmd::kDescription, "Description");
    menu.AppendSeparator();
    if (locked)
        menu.AppendCommand(panelcmd::kUnlock, "UnLock");
    else
        menu.AppendCommand(panelcmd::kLock, "Lock");
}

bool CDatafolderTreeAdapter::StillOnDisk(const QTreeWidgetItem* item, const std::string& path) const
{
    if (Exists(path))
        return true;
    const std::string name = item ? item->text(0).toStdString() : path;
    platform::MessageBoxTW("The DataFolder \"" + name + "\" no longer exists at \"" + path +
                               "\"; it is taken off the list.",
                           platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, m_tree);
    EventDispatcher::Instance().DoAfter(kEventDataFolder, kActionDataFolderDeleted, FileSystem(),
                                        EventPath(path));
    return false;
}

void CDatafolderTreeAdapter::Run(int command)
{
    switch (command) {
    case panelcmd::kNew: NewDataFolder(); return;
    case panelcmd::kImport: Import(); return;
    case panelcmd::kLinkOutside: LinkOutside(); return;
    case panelcmd::kRefresh: m_panel->Fill(m_network); return;
    default: break;
    }
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!IsDataFolderItem(item))
        return;
    const std::string path = DataFolderPathOf(item);
    // Delete and Remove drop a vanished folder from the lists themselves.
    if (command == panelcmd::kDelete || command == panelcmd::kRemove) {
        Delete(path);
        return;
    }
    if (!StillOnDisk(item, path))
        return;
    switch (command) {
    case panelcmd::kSetCurrent:
    case panelcmd::kPanelSetCurrent: SetAsCurrent(item); break;
    case panelcmd::kExport: Export(path); break;
    case panelcmd::kGotoFolder: GotoFolder(path); break;
    case panelcmd::kRename: m_tree->editItem(item, 0); break;
    case panelcmd::kDescription: Describe(path); break;
    case panelcmd::kLock: SetLock(item, path, true); break;
    case panelcmd::kUnlock: SetLock(item, path, false); break;
    default: break;
    }
}

void CDatafolderTreeAdapter::SetAsCurrent(QTreeWidgetItem* item)
{
    const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(item);
    if (GuiDatasetCenter* service = Service(); service && record)
        service->SetAsCurrentDataset(record->fullName, m_network);
    m_panel->MarkCurrent(DataFolderPathOf(item));
}

void CDatafolderTreeAdapter::Export(const std::string& path) { ExportDataFolder(path, m_tree); }

void CDatafolderTreeAdapter::GotoFolder(const std::string& path)
{
    // The desktop's file manager opens the folder, as the shell's "explore" would.
    if (path.empty() || !platform::StartProcess("\"xdg-open\" \"" + path + "\""))
        platform::AppMessageBox("Open Folder \"" + path + "\" Error", platform::BoxButtons::Ok,
                                platform::BoxIcon::Exclamation, m_tree);
}

void CDatafolderTreeAdapter::Describe(const std::string& path)
{
    if (GuiDatasetCenter* service = Service())
        service->ViewDataSetDesc(path, m_tree);
}

void CDatafolderTreeAdapter::SetLock(QTreeWidgetItem* item, const std::string& path, bool locked)
{
    // The flag lives in the DataFolder's descriptor: one that cannot be written
    // would bring the old state back on the next start, so the old state stays.
    if (!SetDatasetLockFlag(path, locked ? 1 : 0)) {
        ForgetDatasetLockFlag(path);
        platform::MessageBoxTW("The DataFolder \"" + item->text(0).toStdString() +
                                   "\" is read-only: it cannot be " + (locked ? "locked." : "unlocked."),
                               platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, m_tree);
        return;
    }
    SetItemIcon(item, locked ? kIconLocked : kIconUnlocked);
}

void CDatafolderTreeAdapter::NewDataFolder()
{
    std::string name;
    if (GuiDatasetCenter* service = Service(); service && FileSystem())
        service->NewDataset(name, FileSystem(), std::string());
}

void CDatafolderTreeAdapter::LinkOutside()
{
    if (GuiDatasetCenter* service = Service(); service && m_network)
        service->AddExternDataset(m_network, m_panel, nullptr, nullptr, 1);
}

void CDatafolderTreeAdapter::Import()
{
    if (m_network)
        CImportDatasetDlg::Import(m_network, m_panel);
}

void CDatafolderTreeAdapter::Delete(const std::string& path)
{
    platform::WaitCursor wait;
    TWFileSystem* fileSystem = FileSystem();
    TWDataSet* registry = RegistryOf(m_network);
    if (path.empty() || !fileSystem || !registry)
        return;
    EventDispatcher& events = EventDispatcher::Instance();
    if (!Exists(path)) {
        events.DoAfter(kEventDataFolder, kActionDataFolderDeleted, fileSystem, EventPath(path));
        return;
    }
    if (events.IsDoable(kEventDataFolder, kActionDataFolderDeleted, nullptr, EventPath(path)) == 0) {
        platform::AppMessageBox("You can't delete the DataFolder, since it is in use.");
        return;
    }
    if (path + "/" == fileSystem->GetDataSetRecent()) {
        platform::AppMessageBox("The system DataFolder cannot be deleted.");
        return;
    }
    const bool current = path + "/" == registry->GetCurrentDataSet();
    if (registry->IsCurrentBaseLineDataSet(path)) {
        if (current) {
            platform::AppMessageBox("The current DataFolder cannot be deleted.");
            return;
        }
        if (platform::MessageBoxTW("Are you sure you want to delete the DataFolder?", platform::BoxIcon::Question,
                                   platform::BoxButtons::YesNo, m_tree) == platform::BoxAnswer::No)
            return;
        // The removal is recursive: it must take this DataFolder and nothing else.
        if (const std::string refusal = CDataFolderGuard(*fileSystem).RemovalRefusal(path); !refusal.empty()) {
            platform::AppMessageBox(refusal);
            return;
        }
        platform::ShellFileOp shell(m_tree, "Delete the DataFolder");
        if (!shell.Delete(path)) {
            if (shell.Cancelled())
                ShowCancelledDelete(path, shell.Error());
            else
                platform::AppMessageBox(shell.Error(), platform::BoxButtons::Ok, platform::BoxIcon::Exclamation,
                                        m_tree);
            return;
        }
        events.DoAfter(kEventDataFolder, kActionDataFolderDeleted, fileSystem, EventPath(path));
        return;
    }
    if (current) {
        platform::AppMessageBox("The current DataFolder cannot be deleted.");
        return;
    }
    if (platform::MessageBoxTW("Are you sure you want to remove the DataFolder from the workspace?",
                               platform::BoxIcon::Question, platform::BoxButtons::YesNo,
                               m_tree) == platform::BoxAnswer::No)
        return;
    TWDataSet::RemoveExternalDataSet(fileSystem, path);
    events.DoAfter(kEventDataFolder, kActionDataFolderDeleted, fileSystem, EventPath(path));
}

std::string CDatafolderTreeAdapter::CancelledDeleteMessage(const std::string& whatIsLeft)
{
    return whatIsLeft + " The DataFolder keeps its description and lock.";
}

void CDatafolderTreeAdapter::ShowCancelledDelete(const std::string& path, const std::string& whatIsLeft)
{
    platform::AppMessageBox(CancelledDeleteMessage(whatIsLeft), platform::BoxButtons::Ok,
                            platform::BoxIcon::Information, m_tree);
    // What is left is still a DataFolder: the tree and an open browser show what it holds now.
    const QWidget* browser = GuiDatasetCenterImpl::Instance()->GetBrowserFrame();
    const QTreeWidgetItem* shown = m_panel->ShownItem();
    const bool browsed = browser && !browser->isHidden() && shown && DataFolderPathOf(shown) == path;
    m_panel->Fill(m_network);
    if (browsed)
        if (const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(m_panel->FindItemByPath(path)))
            m_panel->ShowDataFolder(record->fullName, record->briefName);
}

bool CDatafolderTreeAdapter::CanRename(const QTreeWidgetItem* item) const
{
    const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(item);
    if (!IsDataFolderItem(item) || !record || record->itemType != kItemProject)
        return false;
    const std::string path = DataFolderPathOf(item);
    return !IsSystemDataFolder(path) && !IsLocked(path);
}

void CDatafolderTreeAdapter::EndRename(QTreeWidgetItem* item, const std::string& text)
{
    tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(item);
    TWFileSystem* fileSystem = FileSystem();
    if (!record || !fileSystem)
        return;
    const std::string oldName = record->fullName;
    const std::string newName = Trimmed(text);
    if (newName.empty()) {
        platform::MessageBoxTW("The new name cannot be empty.", platform::BoxIcon::Exclamation,
                               platform::BoxButtons::Ok, m_tree);
        return;
    }
    if (newName == oldName)
        return;
    // A change of case only is the same DataFolder: no other may be in the way.
    const std::string folder = fileSystem->GetDataSetsFolder();
    const DataFolderNameCheck check =
        CheckDataFolderName(newName, SameDataSetName(newName, oldName) ? std::string() : folder);
    if (!check.Ok()) {
        platform::MessageBoxTW(check.message, platform::BoxIcon::Information, platform::BoxButtons::Ok, m_tree);
        return;
    }
    const std::string oldPath = DataFolderPathOf(item);
    if (!StillOnDisk(item, oldPath))
        return;
    {
        platform::WaitCursor wait;
        platform::ShellFileOp shell(m_tree, "Rename DataFolder");
        if (!shell.Rename(folder + oldName, folder + newName)) {
            platform::AppMessageBox(shell.Error(), platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, m_tree);
            return;
        }
    }
    item->setText(0, QString::fromStdString(newName));
    record->briefName = newName;
    record->fullName = newName;
    if (GuiDatasetCenter* service = Service())
        service->RenameDataSetToComboBox(oldName.c_str(), newName.c_str(), fileSystem, record);
    MessageDispatcher::Instance().CallReceiver(hostmsg::kProjectTreeReceiver, hostmsg::kDataFolderRenamed,
                                               reinterpret_cast<std::uintptr_t>(oldName.c_str()),
                                               reinterpret_cast<std::intptr_t>(newName.c_str()));
    const std::string newPath = folder + newName;
    EventDispatcher::Instance().DoAfter(kEventDataFolder, kActionDataFolderRenamed, fileSystem, EventPath(newPath));
    m_panel->ShowDataFolder(newName, std::string());
}

bool CDatafolderTreeAdapter::GetDataFolderPath(const QModelIndex& index, std::string& path) const
{
    const QTreeWidgetItem* item = m_tree->itemFromIndex(index);
    path = DataFolderPathOf(item);
    return !path.empty();
}

QModelIndex CDatafolderTreeAdapter::CurrentItem() const
{
    QTreeWidgetItem* shown = m_panel->ShownItem();
    return shown ? m_tree->indexFromItem(shown) : m_tree->currentIndex();
}

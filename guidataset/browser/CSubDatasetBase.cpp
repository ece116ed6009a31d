#include "guidataset/browser/CSubDatasetBase.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/IDatafolderList.h"
#include "guidataset/dataset/core/DataKindFiles.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/baseline/CBaseline.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Prompter.h"
#include "platform/qt/Profile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kProfileSection = "DatafolderView";
constexpr const char* kFilterKey = "TextFilter";

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

CSubDatasetBase::CSubDatasetBase() = default;
CSubDatasetBase::~CSubDatasetBase() = default;

void CSubDatasetBase::SetTreeCtrl(IDatafolderTree* tree)
{
    m_tree = tree;
}

void CSubDatasetBase::SetListCtrl(IDatafolderList* list, bool flag)
{
    m_list = list;
    m_listFlag = flag;
}

void CSubDatasetBase::SetSelection(DatafolderSelection* selection)
{
    m_selection = selection;
}

void CSubDatasetBase::ExpandTreeItem(TreeItem) {}

void CSubDatasetBase::FillFromTreeItem(TreeItem, const std::string&, int) {}

void CSubDatasetBase::GetFilePath(std::string& path, int row, bool detail)
{
    path.clear();
    if (!IsReady() || row < 0 || row >= m_list->GetItemCount())
        return;
    // This host has no tree mode: the base folder is always the selection's DataFolder.
    const std::string folder = m_selection->GetKindFolder(m_selection->dataFolderPath);
    if (folder.empty())
        return;   // never a path relative to the working folder
    std::string name;
    GetRowFileName(name, row, detail);
    if (!name.empty())
        path = folder + name;
}

void CSubDatasetBase::PrepareColumns(int&, bool&) {}

void CSubDatasetBase::OnDoubleClick()
{
    OnCommand(browsercmd::kView, m_selection ? m_selection->pageId : 0);
}

void CSubDatasetBase::Fill(int pageId, const DatafolderDataDisplayContent& content, const std::string& filter)
{
    if (!m_selection || !m_list)
        return;
    m_selection->displayName = content.dataFolderName;
    m_selection->pageId = pageId;
    const std::string folder = m_selection->GetKindFolder(content.dataFolderPath);
    const int rowImage = content.rowImageHolder ? content.rowImageHolder[2] : 0;
    m_notes = FillNotes();
    m_list->DeleteAllItems();
    Populate(folder, pageId, rowImage, filter);
}

void CSubDatasetBase::Refresh(int pageId, int rowImage, const std::string& filter)
{
    if (!m_selection || !m_list)
        return;
    m_selection->pageId = pageId;
    const std::string folder = m_selection->GetKindFolder(m_selection->dataFolderPath);
    m_notes = FillNotes();
    m_list->SetRedraw(false);
    m_list->DeleteAllItems();
    Populate(folder, pageId, rowImage, filter);
    m_list->SetRedraw(true);
}

void CSubDatasetBase::ShowContextMenu(ScreenPoint point, int pageId, bool locked)
{
    if (!m_list)
        return;
    CPopupMenu menu;
    CPopupMenu subMenu;
    if (!BuildMenu(menu, subMenu, locked, pageId))
        return;
    const int command = m_list->TrackPopupMenu(menu, point);
    OnCommand(command, pageId);
}

bool CSubDatasetBase::OnCommand(int commandId, int)
{
    switch (commandId) {
    case browsercmd::kView:
    case browsercmd::kCompare:
    case browsercmd::kSaveAs: {
        if (!m_selection)
            return true;
        const std::string path = GetSelectedFilePath();
        if (path.empty() || !StillThere(path))
            return true;
        const int pageId = m_selection->pageId;
        if (commandId == browsercmd::kView)
            ViewFile(path, pageId);
        else if (commandId == browsercmd::kCompare)
            CompareFile(path, pageId);
        else
            SaveFileAs(path, pageId);
        return true;
    }
    case browsercmd::kDelete:
        DeleteSelected();
        return true;
    case browsercmd::kRefresh:
        if (m_selection)
            Refresh(m_selection->pageId, m_selection->RowImage(), SavedFilter());
        return true;
    case browsercmd::kDeviceGroupAdd:
        OnDeviceGroup(0);
        return true;
    case browsercmd::kDeviceGroupCreate:
        OnDeviceGroup(1);
        return true;
    default:
        return false;
    }
}

TreeItem CSubDatasetBase::GetOwnerTreeItem(TreeItem item)
{
    return m_tree && item != kNoTreeItem ? m_tree->GetParentItem(item) : kNoTreeItem;
}

void CSubDatasetBase::OnTreeItemSelected(TreeItem, const std::string&, std::string&) {}

void CSubDatasetBase::Populate(const std::string&, int, int, const std::string&) {}

bool CSubDatasetBase::BuildMenu(CPopupMenu&, CPopupMenu&, bool, int)
{
    return false;
}

void CSubDatasetBase::ViewFile(const std::string&, int) {}

void CSubDatasetBase::CompareFile(const std::string&, int) {}

void CSubDatasetBase::SaveFileAs(const std::string&, int) {}

void CSubDatasetBase::OnDeviceGroup(int) {}

void CSubDatasetBase::DeleteSelected()
{
    if (!m_list || !m_selection)
        return;
    const std::vector<int> rows = m_list->GetSelectedRows();
    if (rows.empty())
        return;
    if (platform::MessageBoxTW("Are you sure you want to delete the file(s)?", platform::BoxIcon::Question,
                               platform::BoxButtons::OkCancel) != platform::BoxAnswer::Ok)
        return;
    const std::string folder = KindFolder();
    std::vector<int> removed;
    std::string failures;
    for (int row : rows) {
        std::string name;
        GetRowFileName(name, row, false);
        const std::string path = folder.empty() || name.empty() ? std::string() : folder + name;
        // A file already gone is what the user asked for; one that stays keeps its row.
        if (path.empty() || ::unlink(path.c_str()) == 0 || errno == ENOENT) {
            removed.push_back(row);
            continue;
        }
        failures += "\n" + name + ": " + std::strerror(errno);
    }
    for (auto it = removed.rbegin(); it != removed.rend(); ++it)
        m_list->DeleteItem(*it);
    if (!failures.empty())
        platform::MessageBoxTW("These files could not be deleted and are still in '" + folder + "':" + failures,
                               platform::BoxIcon::Exclamation);
}

void CSubDatasetBase::GetRowFileName(std::string& name, int row, bool detail)
{
    name.clear();
    if (!m_list || !m_selection || row < 0 || row >= m_list->GetItemCount())
        return;
    const std::string hostCell = m_list->GetItemText(row, 0);
    // The row knows the exact name of the file it was listed from.
    const std::string key = m_list->GetItemKey(row);
    if (!detail && !key.empty() && FileStem(key) == hostCell) {
        name = key;
        return;
    }
    if (m_selection->pageId == kKindLiveConfig)
        name = hostCell + ".config";
    else
        name = m_list->GetItemText(row, detail ? 3 : 0);
}

std::string CSubDatasetBase::GetSelectedFilePath()
{
    if (!m_list)
        return {};
    const int row = m_list->GetFirstSelected();
    std::string path;
    if (row >= 0)
        GetFilePath(path, row, false);
    return path;
}

std::string CSubDatasetBase::SavedFilter()
{
    return platform::GetProfileString(kProfileSection, kFilterKey, "");
}

std::vector<platform::DirEntry> CSubDatasetBase::ListKindFiles(const std::string& kindFolder, int listedKind,
                                                               const std::string& filter)
{
    std::vector<platform::DirEntry> entries;
    ListDataKindFiles(entries, kindFolder, listedKind, filter);
    if (entries.empty())
        m_notes.folderProblem = KindFolderProblem(kindFolder);
    return entries;
}

bool CSubDatasetBase::ReplaceColumns(int& layoutId, int ownLayout,
                                     const std::vector<std::pair<const char*, int>>& columns)
{
    if (!m_list)
        return false;
    m_list->DeleteAllItems();
    if (layoutId == ownLayout)
        return false;
    layoutId = ownLayout;
    for (int column = m_list->GetColumnCount() - 1; column >= 0; --column)
        m_list->DeleteColumn(column);
    int position = 0;
    for (const auto& [heading, width] : columns)
        m_list->InsertColumn(position++, heading, width);
    return true;
}

void CSubDatasetBase::AppendMenuHead(CPopupMenu& menu, CPopupMenu& subMenu, bool withCompare) const
{
    const int selected = SelectedCount();
    menu.AppendCommand(browsercmd::kView, "View", selected == 1);
    if (withCompare)
        menu.AppendCommand(browsercmd::kCompare, "Compare", selected == 1);
    if (CBaseline::Instance()) {
        subMenu.AppendCommand(browsercmd::kDeviceGroupAdd, "Add to ...", selected > 0);
        subMenu.AppendCommand(browsercmd::kDeviceGroupCreate, "Create ...", true);
        menu.AppendSubMenu("Device Group", subMenu);
    }
    menu.AppendSeparator();
    menu.AppendCommand(browsercmd::kRefresh, "Refresh");
    menu.AppendSeparator();
}

void CSubDatasetBase::AppendMenuTail(CPopupMenu& menu, bool locked) const
{
    menu.AppendCommand(browsercmd::kDelete, "Delete", SelectedCount() > 0 && !locked);
}

int CSubDatasetBase::SelectedCount() const
{
    return m_list ? m_list->GetSelectedCount() : 0;
}

std::string CSubDatasetBase::KindFolder() const
{
    return m_selection ? m_selection->GetKindFolder(m_selection->dataFolderPath) : std::string();
}

bool CSubDatasetBase::StillThere(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return true;
    const std::string folder = path.substr(0, path.size() - BaseName(path).size());
    platform::MessageBoxTW("The file '" + BaseName(path) + "' is no longer in '" + folder +
                           "': it was deleted or renamed after the list was filled.\n"
                           "The list now shows the folder as it is.");
    if (m_selection)
        Refresh(m_selection->pageId, m_selection->RowImage(), SavedFilter());
    return false;
}

#include "guidataset/browser/CSubDatasetLiveCommandDevice.h"

#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/IDatafolderList.h"
#include "guidataset/dataset/core/DataKind.h"
#include "host/util/CFileName.h"

namespace {

constexpr std::int64_t kDataFolderItem = 1;
constexpr std::int64_t kLinkedDataFolderItem = 3;

} // namespace

TreeItem CSubDatasetLiveCommandDevice::GetOwnerTreeItem(TreeItem item)
{
    IDatafolderTree* tree = GetTree();
    if (!tree)
        return kNoTreeItem;
    for (TreeItem at = item; at != kNoTreeItem; at = tree->GetParentItem(at)) {
        const std::int64_t data = tree->GetItemData(at);
        if (data == kDataFolderItem || data == kLinkedDataFolderItem)
            return at;
    }
    return kNoTreeItem;
}

void CSubDatasetLiveCommandDevice::GetRowFileName(std::string& name, int row, bool)
{
    name.clear();
    IDatafolderList* list = GetList();
    if (!list || row < 0 || row >= list->GetItemCount())
        return;
    const std::string cell = list->GetItemText(row, 0);
    // The row knows the exact name of the file it was listed from.
    const std::string key = list->GetItemKey(row);
    if (!key.empty() && FileStem(key) == cell) {
        name = key;
        return;
    }
    if (cell.size() < 4)
        return;
    name = CFileName::ToSysFileName(cell.substr(0, cell.size() - 4), 0) + ".txt";
}

void CSubDatasetLiveCommandDevice::FillFromFolder(const std::string& folder)
{
    if (!GetList())
        return;
    GetList()->DeleteAllItems();
    const DatafolderSelection* selection = GetSelection();
    Populate(folder, kKindLiveCommandDevice, selection ? selection->RowImage() : 0, std::string());
}

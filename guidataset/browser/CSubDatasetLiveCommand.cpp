#include "guidataset/browser/CSubDatasetLiveCommand.h"

#include "guidataset/browser/core/IDatafolderList.h"
#include "guidataset/dataset/core/DataKind.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

void CSubDatasetLiveCommand::FillFromTreeItem(TreeItem item, const std::string& folder, int image)
{
    IDatafolderTree* tree = GetTree();
    if (!tree || !GetList() || item == kNoTreeItem)
        return;
    GetList()->DeleteAllItems();
    tree->DeleteChildren(item);
    // Without a folder nothing is searched, least of all the working folder.
    if (!folder.empty()) {
        platform::FindFiles(platform::JoinPath(folder, "*"), [&](const platform::DirEntry& entry) {
            if (entry.IsDirectory() && entry.name != "." && entry.name != "..")
                tree->InsertItem(item, entry.name, image, image, kKindLiveCommandDevice);
            return true;
        });
    }
    tree->Expand(item);
}

#include "guidataset/browser/CSubDatasetNormal.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "platform/core/DirEntry.h"

void CSubDatasetNormal::PrepareColumns(int& layoutId, bool& flag)
{
    flag = ListFlag();
    ReplaceColumns(layoutId, browserlayout::kNormal, {{"Hostname", 310}, {"Execution Time", 120}});
}

void CSubDatasetNormal::Populate(const std::string& kindFolder, int pageId, int rowImage, const std::string& filter)
{
    if (!GetList())
        return;
    const std::vector<platform::DirEntry> entries = ListKindFiles(kindFolder, pageId, filter);
    // Each row goes in above the one before: the list shows the search's order reversed.
    std::vector<ListRow> rows;
    rows.reserve(entries.size());
    CLocalTimeText time(kPlainTimePattern);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        rows.push_back(PlainFileRow(*it, rowImage, time));
    GetList()->InsertRows(0, std::move(rows));
}

bool CSubDatasetNormal::BuildMenu(CPopupMenu& menu, CPopupMenu&, bool locked, int)
{
    menu.AppendCommand(browsercmd::kView, "View", SelectedCount() == 1);
    menu.AppendCommand(browsercmd::kRefresh, "Refresh");
    menu.AppendSeparator();
    AppendMenuTail(menu, locked);
    return true;
}

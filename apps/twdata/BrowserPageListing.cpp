#include "apps/twdata/BrowserPageListing.h"

#include "guidataset/browser/CSubDatasetBase.h"
#include "guidataset/browser/SubDatasetProvider.h"
#include "guidataset/browser/core/CDatafolderRows.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"

namespace twdata {

BrowserPageListing ListBrowserPage(int pageId, const std::string& dataFolderName,
                                   const std::string& dataFolderPath, const std::string& filter)
{
    BrowserPageListing listing;
    DatafolderDataDisplayContent content;
    GuiDatasetCenterImpl::Instance()->PrepareBrowserContent(content, dataFolderName, dataFolderPath);
    CSubDatasetBase* page = content.provider ? content.provider->GetPage(pageId) : nullptr;
    if (!page)
        return listing;
    listing.hasPage = true;
    CDatafolderRows rows;
    page->SetListCtrl(&rows, false);
    int layoutId = 0;
    bool flag = false;
    page->PrepareColumns(layoutId, flag);
    page->Fill(pageId, content, filter);
    listing.text = rows.ToText();
    listing.folderProblem = page->GetFillNotes().folderProblem;
    listing.unnamedFiles = page->GetFillNotes().unnamedFiles;
    page->SetListCtrl(nullptr, false);
    return listing;
}

} // namespace twdata

#include "guidataset/browser/BrowserEntry.h"

#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"

extern "C" void TwGuidatasetPrepareBrowserContent(DatafolderDataDisplayContent* content, const char* name,
                                                  const char* path)
{
    if (content)
        GuiDatasetCenterImpl::Instance()->PrepareBrowserContent(*content, name ? name : "", path ? path : "");
}

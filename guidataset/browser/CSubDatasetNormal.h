#pragma once
// The plain file page: "Hostname" (the file name without its extension) and
// "Execution Time" (last write), newest-listed first. Serves device status,
// interface, performance, ping and trace results, and is the base of the
// configuration, summary, accounting and monitor pages.
#include "guidataset/browser/CSubDatasetBase.h"

class CSubDatasetNormal : public CSubDatasetBase {
public:
    void PrepareColumns(int& layoutId, bool& flag) override;
    void Populate(const std::string& kindFolder, int pageId, int rowImage, const std::string& filter) override;
    bool BuildMenu(CPopupMenu& menu, CPopupMenu& subMenu, bool locked, int pageId) override;
};

#pragma once
// Page id 34: a tree item standing for a folder of per-device command folders.
// Filling from the item puts one child item (page id 35) under it per
// sub-folder; the page itself lists nothing.
#include "guidataset/browser/CSubDatasetNormal.h"

class CSubDatasetLiveCommand : public CSubDatasetNormal {
public:
    void FillFromTreeItem(TreeItem item, const std::string& folder, int image) override;
};

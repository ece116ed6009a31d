#pragma once
// Page id 35: the command results (".txt" files) of one device's folder, as a
// plain file list. Its tree item belongs to the DataFolder item above it.
#include "guidataset/browser/CSubDatasetNormal.h"

class CSubDatasetLiveCommandDevice : public CSubDatasetNormal {
public:
    // Walks up to the DataFolder item (item data 1 or 3); none when there is none.
    TreeItem GetOwnerTreeItem(TreeItem item) override;
    void GetRowFileName(std::string& name, int row, bool detail) override;
    // Lists the ".txt" files of folder, unfiltered.
    virtual void FillFromFolder(const std::string& folder);
};

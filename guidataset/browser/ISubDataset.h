#pragma once
// A page of the DataFolder browser: what one kind of data shows in the
// browser's list, its columns, its context menu and its commands. Operations
// are declared in the order of their virtual slots.
#include "guidataset/browser/core/IDatafolderTree.h"
#include "guidataset/browser/core/ScreenPoint.h"

#include <string>

class IDatafolderList;
struct DatafolderDataDisplayContent;
struct DatafolderSelection;

class ISubDataset {
public:
    virtual void SetTreeCtrl(IDatafolderTree* tree) = 0;
    // flag travels with the list and comes back from PrepareColumns.
    virtual void SetListCtrl(IDatafolderList* list, bool flag) = 0;
    virtual void SetSelection(DatafolderSelection* selection) = 0;
    virtual void ExpandTreeItem(TreeItem item) = 0;
    virtual void FillFromTreeItem(TreeItem item, const std::string& folder, int image) = 0;
    // The full path of the row's file; empty for a row that does not exist.
    virtual void GetFilePath(std::string& path, int row, bool detail) = 0;
    // layoutId: the column layout the list has (0: none); becomes the page's.
    virtual void PrepareColumns(int& layoutId, bool& flag) = 0;
    virtual void OnDoubleClick() = 0;
    virtual void Fill(int pageId, const DatafolderDataDisplayContent& content, const std::string& filter) = 0;
    virtual void Refresh(int pageId, int rowImage, const std::string& filter) = 0;
    virtual void ShowContextMenu(ScreenPoint point, int pageId, bool locked) = 0;
    virtual ~ISubDataset();
};

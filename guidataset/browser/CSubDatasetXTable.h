#pragma once
// The table page behind the "Route Table", "ARP Table", "MAC Table" and "CDP
// Table" tabs (page ids 17, 22, 23, 24; also 18 and 25). Each row is one
// cached table of one device: "Hostname" (host, and its qualifier after a
// blank), "Name" (the table name) and "Execution Time". Opens tables in the
// host's viewers, asks the host to compare them, renames and saves them as
// other names, and puts their devices into a device group.
#include "guidataset/browser/CSubDatasetBase.h"

class CSubDatasetXTable : public CSubDatasetBase {
public:
    void PrepareColumns(int& layoutId, bool& flag) override;
    bool OnCommand(int commandId, int pageId) override;
    void Populate(const std::string& kindFolder, int pageId, int rowImage, const std::string& filter) override;
    bool BuildMenu(CPopupMenu& menu, CPopupMenu& subMenu, bool locked, int pageId) override;
    void ViewFile(const std::string& path, int pageId) override;
    void CompareFile(const std::string& path, int pageId) override;
    void SaveFileAs(const std::string& path, int pageId) override;
    void OnDeviceGroup(int create) override;
    void GetRowFileName(std::string& name, int row, bool detail) override;

    // The table type code of a page id: 22 ARP (4), 23 MAC (8), 24 CDP (17),
    // every other id a route table (1).
    static int TableTypeOf(int pageId);

private:
    // mode 0 renames the first selected table, 1 saves it under another name.
    void RenameOrSaveAs(int mode);
};

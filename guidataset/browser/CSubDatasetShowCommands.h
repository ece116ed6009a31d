#pragma once
// The page of the "Show Command" tab (page id 36): one row per saved result of
// a show command, "Hostname", "Show Command" and "Execution Time" as the
// result's file name carries them, in listing order. Opens a result in the
// results browser, compares executions of its command, and saves a copy.
#include "guidataset/browser/CSubDatasetBase.h"

class CSubDatasetShowCommands : public CSubDatasetBase {
public:
    void PrepareColumns(int& layoutId, bool& flag) override;
    void Populate(const std::string& kindFolder, int pageId, int rowImage, const std::string& filter) override;
    bool BuildMenu(CPopupMenu& menu, CPopupMenu& subMenu, bool locked, int pageId) override;
    void ViewFile(const std::string& path, int pageId) override;
    void CompareFile(const std::string& path, int pageId) override;
    void SaveFileAs(const std::string& path, int pageId) override;
    void GetRowFileName(std::string& name, int row, bool detail) override;

    // The DataFolder the compare dialog starts on: the display name, or the
    // DataFolder's path when the name is a qualified one ("lab::DF1").
    std::string CompareDataFolderName() const;
};

#pragma once
// The real-time monitor page (page id 26; 20 is served by the same page).
// Lists the ".txt" files of a monitoring period, and builds the tree under a
// monitor item (item data 20): one child per monitored device (32), one
// grandchild per monitoring period (26).
#include "guidataset/browser/CSubDatasetNormal.h"

#include <cstdint>
#include <map>

class CSubDatasetMonitor : public CSubDatasetNormal {
public:
    CSubDatasetMonitor();

    void ExpandTreeItem(TreeItem item) override;
    TreeItem GetOwnerTreeItem(TreeItem item) override;
    void OnTreeItemSelected(TreeItem item, const std::string& baseFolder, std::string& path) override;
    void ViewFile(const std::string& path, int pageId) override;

    static constexpr std::int64_t kMonitorItem = 20;
    static constexpr std::int64_t kDeviceItem = 32;
    static constexpr std::int64_t kPeriodItem = 26;

private:
    std::map<TreeItem, std::string> m_deviceFolders;   // device item -> its folder's number
};

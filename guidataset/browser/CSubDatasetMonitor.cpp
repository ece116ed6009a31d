#include "guidataset/browser/CSubDatasetMonitor.h"

#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/MonitorPeriods.h"
#include "guidataset/dataset/core/DataKind.h"
#include "host/adaptor/GuiMonitorCenter.h"
#include "host/util/TWRoot.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <charconv>
#include <vector>

namespace {

constexpr int kMonitorImage = 2;

} // namespace

CSubDatasetMonitor::CSubDatasetMonitor() = default;

void CSubDatasetMonitor::ExpandTreeItem(TreeItem item)
{
    IDatafolderTree* tree = GetTree();
    DatafolderSelection* selection = GetSelection();
    if (item == kNoTreeItem || !tree || !selection || selection->workspaceFlag == 0)
        return;
    const TreeItem parent = tree->GetParentItem(item);
    if (parent == kNoTreeItem)
        return;
    selection->displayName = tree->GetItemText(parent);
    std::string folder = selection->GetKindFolder({});
    // Without a DataFolder folder nothing is searched, least of all the working folder.
    if (folder.empty() || tree->GetItemData(item) != kMonitorItem)
        return;
    folder = platform::JoinPath(folder, tree->GetItemText(item));

    // Device folders are named by the node's number; those without a node are left out.
    std::map<std::string, std::string> devices;   // decimal number -> node name
    platform::FindFiles(platform::JoinPath(folder, "*.*"), [&](const platform::DirEntry& entry) {
        if (entry.name == "." || entry.name == ".." || !entry.IsDirectory())
            return true;
        std::uint64_t number = 0;
        const char* end = entry.name.data() + entry.name.size();
        std::from_chars(entry.name.data(), end, number);
        const std::optional<TWNode> node =
            TWRoot::Instance().GetNode(TWGuid2::FromNumber(number), TWGuid2::AllOnes());
        if (node)
            devices.emplace(node->id.ToStringDec(), node->name);
        return true;
    });

    tree->DeleteChildren(item);
    for (const auto& [number, name] : devices) {
        const TreeItem device = tree->InsertItem(item, name, kMonitorImage, kMonitorImage, kDeviceItem);
        m_deviceFolders[device] = number;
        for (const MonitorPeriod& period : ListMonitorPeriods(platform::JoinPath(folder, number)))
            tree->InsertItem(device, period.display, kMonitorImage, kMonitorImage, kPeriodItem);
    }
}

TreeItem CSubDatasetMonitor::GetOwnerTreeItem(TreeItem item)
{
    IDatafolderTree* tree = GetTree();
    if (!tree || item == kNoTreeItem)
        return kNoTreeItem;
    if (tree->GetItemData(item) == kPeriodItem)
        return tree->GetParentItem(tree->GetParentItem(tree->GetParentItem(item)));
    return tree->GetParentItem(item);
}

void CSubDatasetMonitor::OnTreeItemSelected(TreeItem item, const std::string& baseFolder, std::string& path)
{
    IDatafolderTree* tree = GetTree();
    if (!tree || item == kNoTreeItem || tree->GetItemData(item) != kPeriodItem)
        return;
    const TreeItem device = tree->GetParentItem(item);
    const TreeItem monitor = tree->GetParentItem(device);
    const auto number = m_deviceFolders.find(device);
    path = platform::JoinPath(tree->GetItemText(monitor),
                              number == m_deviceFolders.end() ? std::string() : number->second);
    if (baseFolder.empty())
        return;
    const std::string text = tree->GetItemText(item);
    for (const MonitorPeriod& period : ListMonitorPeriods(platform::JoinPath(baseFolder, path))) {
        if (period.display == text) {
            path = platform::JoinPath(path, period.folderName);
            return;
        }
    }
}

void CSubDatasetMonitor::ViewFile(const std::string& path, int pageId)
{
    if (pageId == kKindMonitor)
        GuiMonitorCenter::Instance().ViewMonitorData(path);
}

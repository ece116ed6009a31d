#pragma once
// Carries out the DataFolder panel's commands on its tree: builds the context
// menu of an item, runs the chosen command, ends a rename, and tells the drop
// target which items are DataFolders and where they lie.
#include "guidataset/browser/CDataFolderDropTarget.h"

#include <string>

class CDatafolderPanelDlg;
class CDatasetTreeCtrl;
class CNetworkBase;
class CPopupMenu;
class QTreeWidgetItem;
class TWFileSystem;
struct tagDataSetInfo;

class CDatafolderTreeAdapter final : public CDataFolderDropTarget::ITreeAdapter {
public:
    CDatafolderTreeAdapter(CDatasetTreeCtrl* tree, CDatafolderPanelDlg* panel);

    void SetNetwork(CNetworkBase* network) { m_network = network; }
    CNetworkBase* GetNetwork() const { return m_network; }

    // The icon of an item (a PanelIcon): a DataFolder item shows the locked or
    // the unlocked icon; linked outside DataFolders get the link arrow.
    static void SetItemIcon(QTreeWidgetItem* item, int icon);
    static int ItemIcon(const QTreeWidgetItem* item);
    static bool IsDataFolderItem(const QTreeWidgetItem* item);
    // The item's DataFolder folder without a trailing separator; empty when
    // the item is no DataFolder or no registry knows it.
    std::string DataFolderPathOf(const QTreeWidgetItem* item) const;
    // The folder of a DataFolder the registry listed; no trailing separator.
    std::string RecordPath(const tagDataSetInfo& record) const;

    // The context menu of item; empty when item offers none.
    void BuildMenu(const QTreeWidgetItem* item, CPopupMenu& menu) const;
    // Runs a menu or link command on the selected item.
    void Run(int command);

    // May the label of item be edited? Not the system DataFolder's, nor a
    // locked or linked one's (their menus offer no "Rename" either).
    bool CanRename(const QTreeWidgetItem* item) const;
    // The edited label of item: every check, then the folder rename.
    void EndRename(QTreeWidgetItem* item, const std::string& text);

    // Says what a cancelled delete left of the DataFolder and shows it as it is now.
    void ShowCancelledDelete(const std::string& path, const std::string& whatIsLeft);
    static std::string CancelledDeleteMessage(const std::string& whatIsLeft);

    bool GetDataFolderPath(const QModelIndex& item, std::string& path) const override;
    QModelIndex CurrentItem() const override;

private:
    TWFileSystem* FileSystem() const;
    bool IsSystemDataFolder(const std::string& path) const;
    bool IsLocked(const std::string& path) const;
    // False, after telling the user and dropping it from every list, when the
    // item's folder has vanished behind the workstation's back.
    bool StillOnDisk(const QTreeWidgetItem* item, const std::string& path) const;

    void SetAsCurrent(QTreeWidgetItem* item);
    void Export(const std::string& path);
    void GotoFolder(const std::string& path);
    void Delete(const std::string& path);
    void SetLock(QTreeWidgetItem* item, const std::string& path, bool locked);
    void Describe(const std::string& path);
    void NewDataFolder();
    void LinkOutside();
    void Import();

    CDatasetTreeCtrl* m_tree;
    CDatafolderPanelDlg* m_panel;
    CNetworkBase* m_network = nullptr;
};

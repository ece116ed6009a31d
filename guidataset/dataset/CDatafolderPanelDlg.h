#pragma once
// The DataFolder panel docked in the workstation: the project's DataFolders
// as a tree, the links "New DataFolder", "Export DataFolder", "Import
// DataFolder", "Link Outside DataFolder" and "Help", and every DataFolder
// command in the tree's context menu. Clicking a DataFolder opens it in the
// browser; the panel owns the selection and pages the browser shows.
#include <QWidget>

#include <memory>
#include <string>

class CDataFolderDropTarget;
class CDatafolderTreeAdapter;
class CDatasetTreeCtrl;
class CNetworkBase;
class CPanelTreeItems;
class QIcon;
class QLabel;
class QTreeWidgetItem;
class SubDatasetProvider;
struct DatafolderSelection;

class CDatafolderPanelDlg : public QWidget {
    Q_OBJECT
public:
    // network: the project shown; null takes the host root's current one.
    CDatafolderPanelDlg(CNetworkBase* network, QWidget* parent = nullptr);
    ~CDatafolderPanelDlg() override;

    // Empties the tree and lists the network's DataFolders, the current one bold.
    void Fill(CNetworkBase* network);
    // Frees the items and forgets the network (the project is closing).
    void DetachNetwork();
    // Adds a DataFolder created or linked elsewhere; its item, or the existing one.
    QTreeWidgetItem* InsertDataSet(const std::string& name, CNetworkBase* network, const std::string& fullName);
    // The top-level item whose DataFolder lies at path (trailing separator optional).
    QTreeWidgetItem* FindItemByPath(const std::string& path) const;
    // Makes the DataFolder at path the only bold item.
    void MarkCurrent(const std::string& path);
    void SetLockIcon(const std::string& path, bool locked);
    // Drops the item of the DataFolder (full name); a browser showing it closes.
    void DeleteItem(const std::string& fullName);
    // Opens the DataFolder in the browser (or brings the browser to it).
    void ShowDataFolder(const std::string& fullName, const std::string& displayName);

    CDatasetTreeCtrl* Tree() const { return m_tree; }
    CDatafolderTreeAdapter* Adapter() const { return m_adapter.get(); }
    SubDatasetProvider* Provider() const { return m_provider.get(); }
    DatafolderSelection* Selection() const { return m_selection.get(); }
    CNetworkBase* Network() const { return m_network; }
    // The item of the DataFolder the browser was last opened on.
    QTreeWidgetItem* ShownItem() const;

    // The context menu of the tree at a point of the tree's viewport, as a
    // right-click opens it; the chosen command runs.
    void ShowContextMenu(const QPoint& viewportPoint);
    // Opens the guide to DataFolders.
    static void ShowHelp(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QLabel* AddLink(int id, const QString& text, const QIcon& icon, int command);
    void OnItemClicked(QTreeWidgetItem* item);

    CNetworkBase* m_network = nullptr;
    CDatasetTreeCtrl* m_tree = nullptr;
    std::unique_ptr<DatafolderSelection> m_selection;
    std::unique_ptr<CPanelTreeItems> m_treeItems;
    std::unique_ptr<SubDatasetProvider> m_provider;
    std::unique_ptr<CDatafolderTreeAdapter> m_adapter;
    CDataFolderDropTarget* m_dropTarget = nullptr;   // a child QObject
    std::string m_shownFullName;
};

#pragma once
// A flat tree of DataFolders: every item is a root item carrying (and owning)
// a tagDataSetInfo record, shown by its brief name.
#include <QTreeWidget>

#include <string>

class CNetworkBase;
struct tagDataSetInfo;

class CDatasetTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CDatasetTreeCtrl(QWidget* parent = nullptr);
    ~CDatasetTreeCtrl() override;

    void SetNetworkBase(CNetworkBase* network) { m_network = network; }
    CNetworkBase* GetNetworkBase() const { return m_network; }

    // Null when none or name is null.
    QTreeWidgetItem* FindDataSet(const char* name) const;
    QTreeWidgetItem* AddSpecialDataSetItem(const char* text, int type, CNetworkBase* network);
    // An item already present by full name is returned; else a root item of type 2
    // with the control's network is appended (parent and type are not used).
    QTreeWidgetItem* InsertNewItem(QTreeWidgetItem* parent, const std::string& name, int type);
    QTreeWidgetItem* InsertNewItem(const std::string& name, int type);
    // "" for a null item.
    std::string GetDataSetFullName(QTreeWidgetItem* item) const;
    // The registry's path of the selected item; name receives its full name.
    // With no selection shows message (when given) and returns "".
    std::string GetDataSetPath(const char* message, std::string& name) const;

    static tagDataSetInfo* ItemRecord(const QTreeWidgetItem* item);

    // Appends a root item showing text and owning record.
    QTreeWidgetItem* AppendItem(const std::string& text, tagDataSetInfo* record);

    void FreeMemory();
    // Frees the records and removes the items.
    void OnDestroy();

private:
    CNetworkBase* m_network = nullptr;
};

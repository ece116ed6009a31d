#pragma once
// The DataFolder picker on the workstation's toolbar, driven by the DataFolder
// service (which fills it with the shared filling and removes items from it).
// Owns the records of its items. The user's choice is emitted as
// dataSetChosen(full name); the workstation hands it to the service's
// SetCurrentDataset.
#include "host/guiutil/CComboBoxTip.h"

#include "host/util/tagDataSetInfo.h"

#include <string>
#include <vector>

class CNetworkBase;

class CXTPDataSetComboBox : public CComboBoxTip {
    Q_OBJECT
public:
    explicit CXTPDataSetComboBox(QWidget* parent = nullptr);
    ~CXTPDataSetComboBox() override;

    // A new, empty picker (the toolbar creates its controls this way).
    static CXTPDataSetComboBox* CreateObject();
    // A new picker (caller owns it) with copies of this one's items, records,
    // selection and flags.
    virtual CXTPDataSetComboBox* Clone(int recursive) const;

    int FindDataSet(const char* name) const;
    int AddSpecialDataSetItem(const char* text, int type, CNetworkBase* network);
    // An item already present by full name is kept; else a record with full name
    // name and brief name brief (name when null) is inserted at pos, shown by its
    // brief name. Returns the item's index.
    int InsertNewItem(int pos, const std::string& name, CNetworkBase* network, int type,
                      const char* brief);
    int ForceShowDataSet(const std::string& name, CNetworkBase* network, const char* brief);
    // The text of the selected item (its brief name); "" with no selection.
    std::string GetCurDataSetFullName() const;
    void FreeMemory();

    bool IsShowBriefMode() const { return m_showBriefMode; }
    void SetShowBriefMode(bool on) { m_showBriefMode = on; }
    const std::vector<tagDataSetInfo>& GetDataSets() const { return m_dataSets; }

signals:
    // The user picked an item: its record's full name (its text when it has no record).
    void dataSetChosen(const QString& name);

private:
    void OnActivated(int index);

    bool m_showBriefMode = false;
    std::vector<tagDataSetInfo> m_dataSets;
};

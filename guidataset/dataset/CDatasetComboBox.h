#pragma once
// The DataFolder drop-down list of the module's dialogs and of the host. Owns
// the tagDataSetInfo records of its items (freed by FreeMemory, OnDestroy and
// the destructor). The user's choice runs OnCbnSelchange, which then notifies
// the parent (selectionChangeNotified).
#include "host/guiutil/CComboBoxTip.h"

#include <string>

class CNetworkBase;

class CDatasetComboBox : public CComboBoxTip {
    Q_OBJECT
public:
    // The workspace entry: the project's own configuration files.
    static const char* const m_cstrDataset;

    explicit CDatasetComboBox(QWidget* parent = nullptr);
    ~CDatasetComboBox() override;

    // Makes the control a drop-down list and fills it; a null network means the
    // baseline instance, which is then remembered.
    void InitDataset(const char* current, CNetworkBase* network, bool limitToEight,
                     bool withNew);
    void SetNetworkBase(CNetworkBase* network) { m_network = network; }
    CNetworkBase* GetNetworkBase() const { return m_network; }

    int FindDataSet(const char* name) const;
    int AddSpecialDataSetItem(const char* text, int type, CNetworkBase* network);
    int InsertNewItem(int pos, const std::string& text, int type);
    int InsertNewItem(const std::string& text, int type);
    // As above, then the inserted item's full name becomes fullName.
    int InsertNewItem(int pos, const std::string& text, const std::string& fullName, int type);
    // "*Baseline Config" at the top, type 2.
    int InsertWorkspaceDataset();
    int ForceShowDataSet(const std::string& name);

    // With no selection shows message (when given) and returns "".
    std::string GetDataSetFullName(const char* message) const;
    // The selected DataFolder's folder ("*Baseline Config": the configuration folder);
    // name receives its full name.
    std::string GetDataSetPath(const char* message, std::string& name) const;

    void OnCbnSelchange();
    void FreeMemory();
    // Frees the records and empties the list.
    void OnDestroy();

private:
    CNetworkBase* m_network = nullptr;
};

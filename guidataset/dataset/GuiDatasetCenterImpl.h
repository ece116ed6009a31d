#pragma once
// The module's DataFolder service: the one object through which the host
// drives the module. It keeps the toolbar picker and the panel in step with
// the DataFolders by listening to the host's change events, records the
// current DataFolder, and creates, links, deletes and locks DataFolders.
//
// DataFolder events (category 3586) carry the DataFolder path as a
// zero-terminated UTF-8 text (const char*) in their second argument; the
// first is the TWFileSystem* (may be null), as the host's table gives it.
#include "host/adaptor/GuiDatasetCenter.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CDatafolderPanelDlg;
class CDatafolderTreeItems;
class CXTPDataSetComboBox;
class SubDatasetProvider;
struct DatafolderSelection;

class GuiDatasetCenterImpl : public GuiDatasetCenter {
public:
    class CDatasetEventSubscriber;

    // The process-wide service, made on the first call; lives until process exit.
    static GuiDatasetCenterImpl* Instance();

    ~GuiDatasetCenterImpl() override;

    bool Cleanup() override;
    // Cleanup drops the subscription; a module attached again takes it up anew.
    void SubscribeToEvents();
    void InitBarComboBox(void* picker) override;
    void ShowDataSets(CNetworkBase* network) override;
    bool SelectCurrentDataset(CComboBoxTip* picker, int index, CNetworkBase* network) override;
    bool SelectCurrentDataset(CNetworkBase* network) override;
    void SetCurrentDataset(const char* name, CNetworkBase* network, bool notify) override;
    void SetAsCurrentDataset(const std::string& name, CNetworkBase* network) override;
    void RenameDataSetToComboBox(const char* oldName, const char* newName,
                                 TWFileSystem* fileSystem, tagDataSetInfo* record) override;
    void AddDataSet(const char* name, TWFileSystem* fileSystem, const char* brief) override;
    int DoDeleteDataSet(std::string& path, TWFileSystem* fileSystem, QWidget* owner) override;
    void DelDataSet(const char* name, TWFileSystem* fileSystem, bool notify) override;
    void CloseManageDataset() override;
    void RecordCurrentDataSet(const char* name, TWFileSystem* fileSystem) override;
    void ClearDataSets() override;
    bool NewDataset(std::string& name, bool locked) override;
    bool NewDataset(std::string& name, TWFileSystem* fileSystem, std::string folder) override;
    bool SelectDataset(std::string& name, std::string& path, CNetworkBase* network,
                       std::string& brief, std::vector<std::string>& leaveOut) override;
    void ViewDataSet(std::string path, QWidget* parent, bool preselectSimulated) override;
    void ViewDataSetDesc(std::string name, QWidget* parent) override;
    std::string GetDataSetPath(CComboBoxTip& picker, const char* message, std::string& name,
                               const std::string& workspaceName, CNetworkBase* network) override;
    std::string GetDataSetPath(const std::string& name, CNetworkBase* network) override;
    void CompareConfigFile(const char* device, int unused, TWFileSystem* fileSystem,
                           INetworkInfo* networkInfo) override;
    ITwoCompareDatasets* GetTwoCompareDatasetsPtr() override;
    bool IsLocked(const std::string& name, bool& cancel, bool ask,
                  TWFileSystem* fileSystem) const override;
    bool IsLocked2(const std::string& path, bool& cancel, bool ask) const override;
    void ShowRouteTableFiles(QTreeWidget* list, const std::string& folder, int image) override;
    std::string GetSelectedDatasetName() override;
    void AddExternDataset(CNetworkBase* network, QWidget* parent, const char* path,
                          const char* brief, int type) override;
    void AfterDeleteDataSet(const std::string& name, TWFileSystem* fileSystem,
                            bool notify) override;
    int ShowSelect2DatasetDialog(QWidget* parent, std::string& first, std::string& second,
                                 bool allowSame, bool offerWorkspace) override;
    int ShowSelect2DatasetDialog2(QWidget* parent, std::string& first, std::string& second,
                                  int& firstTable, int& secondTable, bool allowSame,
                                  bool showTableChoice) override;
    int ShowCompareMultiDlg(QWidget* parent, std::vector<std::string>& devices,
                            std::string& first, std::string& second, int& choices) override;
    int ShowCompareDataSet(QWidget* parent, int kind, std::string& host, std::string& first,
                           std::string& second, bool allowSame,
                           const std::string& openingFile) override;
    void ViewShowCommandResult(QWidget* parent, const std::set<std::string>& devices,
                               const std::string& dataFolder, const std::string& since,
                               const std::string& title, const std::string& device) override;
    void ViewShowCommandResult(QWidget* parent, const std::string& dataFolder,
                               const std::string& device) override;
    CMultiDocTemplate* CreateDocTemplate() override;
    int DisplayView(const DatafolderDataDisplayContent& content) override;
    QWidget* CreateDatafolderPanel(QWidget* parent) override;
    void LockDataset(const std::string& path) override;
    void ShowDataFolderChart(const char* fullName, const char* displayName) override;
    std::string GetCurrentDatasetFullPath() override;
    void InitDataset(CComboBoxTip& picker, const char* current, CNetworkBase** network,
                     bool limitToEight, bool withNew) override;
    int InsertNewItem(CComboBoxTip& picker, const char* name, CNetworkBase* network,
                      int type) override;
    void OnCbnSelchange(CComboBoxTip& picker, CNetworkBase* network) override;
    void FreeMemory(CComboBoxTip& picker) override;
    bool IsDataSetEmpty(const std::string& name, const std::vector<int>& kinds,
                        bool anyMode) override;
    void ImportShowCmdResult(QWidget* parent, bool fromFolder) override;
    void SelectADataset(std::string& path, bool& retrieve) override;
    bool DialogSelectShowCommand(const char* dataFolder, std::vector<std::string>& chosen,
                                 std::vector<std::string>* preselection,
                                 bool unusedFlag) override;
    bool NewDataset(TWFileSystem* fileSystem, int unused) override;
    void ViewShowCommandResult(const std::string& resultPath, QWidget* parent) override;
    void CloseShowCommandResult() override;

    // A DataFolder was created or linked: the toolbar picker and the panel show it.
    void AfterAddDataSet(const std::string& name, TWFileSystem* fileSystem);

    // Makes content show the DataFolder at path in the browser: the service's
    // own selection and page provider, a context menu, the row image. The
    // DataFolder panel builds these for the browser it opens; until there is a
    // panel, whoever opens the browser (the workstation's menu, twdata) asks
    // here, and the service keeps the one selection and provider for the process.
    void PrepareBrowserContent(DatafolderDataDisplayContent& content, const std::string& name,
                               const std::string& path);
    SubDatasetProvider* BrowserProvider();
    DatafolderSelection* BrowserSelection();
    // The DataFolder panel once CreateDatafolderPanel made it; null otherwise.
    CDatafolderPanelDlg* GetPanel() const { return Panel(); }
    // The browser window while one is open; null otherwise.
    QWidget* GetBrowserFrame() const { return m_browserFrame; }

    CXTPDataSetComboBox* GetBarComboBox() const { return m_barComboBox; }
    int GetLastSelection() const { return m_lastSelection; }

private:
    GuiDatasetCenterImpl();

    // Runs the New dialog; OK hands back its new name, anything else an empty name.
    bool RunNewDatasetDialog(std::string& name, TWFileSystem* fileSystem,
                             const std::string& parentFolder, QWidget* owner);

    // Where the panel is told of changes; each does nothing while there is no panel.
    void PanelMarkCurrent(const std::string& path);
    void PanelAddDataSet(const std::string& name, TWFileSystem* fileSystem,
                         const std::string& brief);
    void PanelRemoveDataSet(const std::string& name);
    void PanelSetLockState(const std::string& path, bool locked);
    void PanelDetachNetwork();
    void PanelRefill(CNetworkBase* network);
    void DestroyPanel();
    CDatafolderPanelDlg* Panel() const;

    // The toolbar picker's selected item as the current DataFolder.
    void SelectBarItem(int index);
    // Tells the live-access centre and the subscribers (3586/177) of the current DataFolder.
    void AnnounceCurrentDataSet(const std::string& path);

    // The DataFolder panel; the service makes it, the dock that shows it may
    // delete it with the main window.
    QWidget* m_panel = nullptr;
    QWidget* m_browserFrame = nullptr;   // the DataFolder browser window; the MDI area owns it
    int m_lastSelection = -1;            // toolbar picker item last chosen
    CXTPDataSetComboBox* m_barComboBox = nullptr;   // the host's toolbar owns it
    QWidget* m_resultsBrowser = nullptr;            // modeless results browser; owned
    CDatasetEventSubscriber* m_subscriber = nullptr;
    ITwoCompareDatasets* m_compare = nullptr;       // made on first request; owned
    CMultiDocTemplate* m_docTemplate = nullptr;     // handed to the host, which owns it
    // The browser's selection and pages while no panel provides them.
    std::unique_ptr<DatafolderSelection> m_browserSelection;
    std::unique_ptr<CDatafolderTreeItems> m_browserTree;
    std::unique_ptr<SubDatasetProvider> m_browserProvider;
};

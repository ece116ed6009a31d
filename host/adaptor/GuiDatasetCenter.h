#pragma once
// The DataFolder service as the host sees it. The DataFolder module provides
// the one implementation; when the module is loaded its attach function
// installs the factory, and from then on Instance() reaches the module's
// service. Virtual operations are declared in the module's slot order.
#include "host/adaptor/CTWAdaptorBase.h"

#include <set>
#include <string>
#include <vector>

class QWidget;
class QTreeWidget;
class CNetworkBase;
class TWFileSystem;
class CComboBoxTip;
class CMultiDocTemplate;
class INetworkInfo;
class ITwoCompareDatasets;
struct tagDataSetInfo;
struct DatafolderDataDisplayContent;

class GuiDatasetCenter : public CTWAdaptorBase {
public:
    using Factory = GuiDatasetCenter* (*)();

    ~GuiDatasetCenter() override;

    // The module's service, or null while no module has installed a factory.
    static GuiDatasetCenter* Instance();
    static void SetFactory(Factory factory);
    // Called when the module is unloaded; Instance() answers null again.
    static void ResetFactory();

    virtual bool Cleanup() = 0;
    // picker: the toolbar's DataFolder picker, owned by the host's toolbar.
    virtual void InitBarComboBox(void* picker) = 0;
    virtual void ShowDataSets(CNetworkBase* network) = 0;
    virtual bool SelectCurrentDataset(CComboBoxTip* picker, int index, CNetworkBase* network) = 0;
    virtual bool SelectCurrentDataset(CNetworkBase* network) = 0;
    virtual void SetCurrentDataset(const char* name, CNetworkBase* network, bool notify) = 0;
    virtual void SetAsCurrentDataset(const std::string& name, CNetworkBase* network) = 0;
    virtual void RenameDataSetToComboBox(const char* oldName, const char* newName,
                                         TWFileSystem* fileSystem, tagDataSetInfo* record) = 0;
    virtual void AddDataSet(const char* name, TWFileSystem* fileSystem, const char* brief) = 0;
    // 1 when the DataFolder is gone, 0 when it was kept.
    virtual int DoDeleteDataSet(std::string& path, TWFileSystem* fileSystem, QWidget* owner) = 0;
    virtual void DelDataSet(const char* name, TWFileSystem* fileSystem, bool notify) = 0;
    virtual void CloseManageDataset() = 0;
    virtual void RecordCurrentDataSet(const char* name, TWFileSystem* fileSystem) = 0;
    virtual void ClearDataSets() = 0;
    // Creation without a dialog, in the open project's DataFolders folder.
    virtual bool NewDataset(std::string& name, bool locked) = 0;
    // Creation through the New dialog; an empty folder means the DataFolders folder.
    virtual bool NewDataset(std::string& name, TWFileSystem* fileSystem, std::string folder) = 0;
    virtual bool SelectDataset(std::string& name, std::string& path, CNetworkBase* network,
                               std::string& brief, std::vector<std::string>& leaveOut) = 0;
    // Not offered by the module: answers false.
    virtual bool SaveasDataset(std::string& name, TWFileSystem* fileSystem);
    virtual void ViewDataSet(std::string path, QWidget* parent, bool preselectSimulated) = 0;
    virtual void ViewDataSetDesc(std::string name, QWidget* parent) = 0;
    virtual std::string GetDataSetPath(CComboBoxTip& picker, const char* message, std::string& name,
                                       const std::string& workspaceName, CNetworkBase* network) = 0;
    virtual std::string GetDataSetPath(const std::string& name, CNetworkBase* network) = 0;
    virtual void CompareConfigFile(const char* device, int unused, TWFileSystem* fileSystem,
                                   INetworkInfo* networkInfo) = 0;
    // Owned by the service; the same object on every call.
    virtual ITwoCompareDatasets* GetTwoCompareDatasetsPtr() = 0;
    virtual bool IsLocked(const std::string& name, bool& cancel, bool ask,
                          TWFileSystem* fileSystem) const = 0;
    virtual bool IsLocked2(const std::string& path, bool& cancel, bool ask) const = 0;
    virtual void ShowRouteTableFiles(QTreeWidget* list, const std::string& folder, int image) = 0;
    virtual std::string GetSelectedDatasetName() = 0;
    virtual void AddExternDataset(CNetworkBase* network, QWidget* parent, const char* path,
                                  const char* brief, int type) = 0;
    virtual void AfterDeleteDataSet(const std::string& name, TWFileSystem* fileSystem,
                                    bool notify) = 0;
    virtual int ShowSelect2DatasetDialog(QWidget* parent, std::string& first, std::string& second,
                                         bool allowSame, bool offerWorkspace) = 0;
    virtual int ShowSelect2DatasetDialog2(QWidget* parent, std::string& first, std::string& second,
                                          int& firstTable, int& secondTable, bool allowSame,
                                          bool showTableChoice) = 0;
    virtual int ShowCompareMultiDlg(QWidget* parent, std::vector<std::string>& devices,
                                    std::string& first, std::string& second, int& choices) = 0;
    virtual int ShowCompareDataSet(QWidget* parent, int kind, std::string& host,
                                   std::string& first, std::string& second, bool allowSame,
                                   const std::string& openingFile) = 0;
    // since: results whose time text sorts before it are not listed.
    virtual void ViewShowCommandResult(QWidget* parent, const std::set<std::string>& devices,
                                       const std::string& dataFolder, const std::string& since,
                                       const std::string& title, const std::string& device) = 0;
    virtual void ViewShowCommandResult(QWidget* parent, const std::string& dataFolder,
                                       const std::string& device) = 0;
    // The host registers and owns the template.
    virtual CMultiDocTemplate* CreateDocTemplate() = 0;
    virtual int DisplayView(const DatafolderDataDisplayContent& content) = 0;
    virtual QWidget* CreateDatafolderPanel(QWidget* parent) = 0;
    virtual void LockDataset(const std::string& path) = 0;
    virtual void ShowDataFolderChart(const char* fullName, const char* displayName) = 0;
    virtual std::string GetCurrentDatasetFullPath() = 0;
    virtual void InitDataset(CComboBoxTip& picker, const char* current, CNetworkBase** network,
                             bool limitToEight, bool withNew) = 0;
    virtual int InsertNewItem(CComboBoxTip& picker, const char* name, CNetworkBase* network,
                              int type) = 0;
    virtual void OnCbnSelchange(CComboBoxTip& picker, CNetworkBase* network) = 0;
    virtual void FreeMemory(CComboBoxTip& picker) = 0;
    // anyMode: empty only when no kind holds a file; otherwise empty unless every kind does.
    virtual bool IsDataSetEmpty(const std::string& name, const std::vector<int>& kinds,
                                bool anyMode) = 0;
    virtual void ImportShowCmdResult(QWidget* parent, bool fromFolder) = 0;
    virtual void SelectADataset(std::string& path, bool& retrieve) = 0;
    virtual bool DialogSelectShowCommand(const char* dataFolder, std::vector<std::string>& chosen,
                                         std::vector<std::string>* preselection,
                                         bool unusedFlag) = 0;
    // Creation through the New dialog unless the host refuses it.
    virtual bool NewDataset(TWFileSystem* fileSystem, int unused) = 0;
    virtual void ViewShowCommandResult(const std::string& resultPath, QWidget* parent) = 0;
    virtual void CloseShowCommandResult() = 0;
};

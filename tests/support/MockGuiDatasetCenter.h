#pragma once
// A gmock DataFolder service for code that calls GuiDatasetCenter::Instance().
// Install it with GuiDatasetCenter::SetFactory through ScopedMockGuiDatasetCenter.
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"

#include <gmock/gmock.h>

class MockGuiDatasetCenter : public GuiDatasetCenter {
public:
    MOCK_METHOD(bool, Cleanup, (), (override));
    MOCK_METHOD(void, InitBarComboBox, (void*), (override));
    MOCK_METHOD(void, ShowDataSets, (CNetworkBase*), (override));
    MOCK_METHOD(bool, SelectCurrentDataset, (CComboBoxTip*, int, CNetworkBase*), (override));
    MOCK_METHOD(bool, SelectCurrentDataset, (CNetworkBase*), (override));
    MOCK_METHOD(void, SetCurrentDataset, (const char*, CNetworkBase*, bool), (override));
    MOCK_METHOD(void, SetAsCurrentDataset, (const std::string&, CNetworkBase*), (override));
    MOCK_METHOD(void, RenameDataSetToComboBox,
                (const char*, const char*, TWFileSystem*, tagDataSetInfo*), (override));
    MOCK_METHOD(void, AddDataSet, (const char*, TWFileSystem*, const char*), (override));
    MOCK_METHOD(int, DoDeleteDataSet, (std::string&, TWFileSystem*, QWidget*), (override));
    MOCK_METHOD(void, DelDataSet, (const char*, TWFileSystem*, bool), (override));
    MOCK_METHOD(void, CloseManageDataset, (), (override));
    MOCK_METHOD(void, RecordCurrentDataSet, (const char*, TWFileSystem*), (override));
    MOCK_METHOD(void, ClearDataSets, (), (override));
    MOCK_METHOD(bool, NewDataset, (std::string&, bool), (override));
    MOCK_METHOD(bool, NewDataset, (std::string&, TWFileSystem*, std::string), (override));
    MOCK_METHOD(bool, SelectDataset,
                (std::string&, std::string&, CNetworkBase*, std::string&,
                 std::vector<std::string>&),
                (override));
    MOCK_METHOD(bool, SaveasDataset, (std::string&, TWFileSystem*), (override));
    MOCK_METHOD(void, ViewDataSet, (std::string, QWidget*, bool), (override));
    MOCK_METHOD(void, ViewDataSetDesc, (std::string, QWidget*), (override));
    MOCK_METHOD(std::string, GetDataSetPath,
                (CComboBoxTip&, const char*, std::string&, const std::string&, CNetworkBase*),
                (override));
    MOCK_METHOD(std::string, GetDataSetPath, (const std::string&, CNetworkBase*), (override));
    MOCK_METHOD(void, CompareConfigFile, (const char*, int, TWFileSystem*, INetworkInfo*),
                (override));
    MOCK_METHOD(ITwoCompareDatasets*, GetTwoCompareDatasetsPtr, (), (override));
    MOCK_METHOD(bool, IsLocked, (const std::string&, bool&, bool, TWFileSystem*),
                (const, override));
    MOCK_METHOD(bool, IsLocked2, (const std::string&, bool&, bool), (const, override));
    MOCK_METHOD(void, ShowRouteTableFiles, (QTreeWidget*, const std::string&, int), (override));
    MOCK_METHOD(std::string, GetSelectedDatasetName, (), (override));
    MOCK_METHOD(void, AddExternDataset,
                (CNetworkBase*, QWidget*, const char*, const char*, int), (override));
    MOCK_METHOD(void, AfterDeleteDataSet, (const std::string&, TWFileSystem*, bool), (override));
    MOCK_METHOD(int, ShowSelect2DatasetDialog,
                (QWidget*, std::string&, std::string&, bool, bool), (override));
    MOCK_METHOD(int, ShowSelect2DatasetDialog2,
                (QWidget*, std::string&, std::string&, int&, int&, bool, bool), (override));
    MOCK_METHOD(int, ShowCompareMultiDlg,
                (QWidget*, std::vector<std::string>&, std::string&, std::string&, int&),
                (override));
    MOCK_METHOD(int, ShowCompareDataSet,
                (QWidget*, int, std::string&, std::string&, std::string&, bool,
                 const std::string&),
                (override));
    MOCK_METHOD(void, ViewShowCommandResult,
                (QWidget*, const std::set<std::string>&, const std::string&, const std::string&,
                 const std::string&, const std::string&),
                (override));
    MOCK_METHOD(void, ViewShowCommandResult, (QWidget*, const std::string&, const std::string&),
                (override));
    MOCK_METHOD(CMultiDocTemplate*, CreateDocTemplate, (), (override));
    MOCK_METHOD(int, DisplayView, (const DatafolderDataDisplayContent&), (override));
    MOCK_METHOD(QWidget*, CreateDatafolderPanel, (QWidget*), (override));
    MOCK_METHOD(void, LockDataset, (const std::string&), (override));
    MOCK_METHOD(void, ShowDataFolderChart, (const char*, const char*), (override));
    MOCK_METHOD(std::string, GetCurrentDatasetFullPath, (), (override));
    MOCK_METHOD(void, InitDataset, (CComboBoxTip&, const char*, CNetworkBase**, bool, bool),
                (override));
    MOCK_METHOD(int, InsertNewItem, (CComboBoxTip&, const char*, CNetworkBase*, int),
                (override));
    MOCK_METHOD(void, OnCbnSelchange, (CComboBoxTip&, CNetworkBase*), (override));
    MOCK_METHOD(void, FreeMemory, (CComboBoxTip&), (override));
    MOCK_METHOD(bool, IsDataSetEmpty, (const std::string&, const std::vector<int>&, bool),
                (override));
    MOCK_METHOD(void, ImportShowCmdResult, (QWidget*, bool), (override));
    MOCK_METHOD(void, SelectADataset, (std::string&, bool&), (override));
    MOCK_METHOD(bool, DialogSelectShowCommand,
                (const char*, std::vector<std::string>&, std::vector<std::string>*, bool),
                (override));
    MOCK_METHOD(bool, NewDataset, (TWFileSystem*, int), (override));
    MOCK_METHOD(void, ViewShowCommandResult, (const std::string&, QWidget*), (override));
    MOCK_METHOD(void, CloseShowCommandResult, (), (override));
};

// Makes GuiDatasetCenter::Instance() answer the given mock for the scope's
// lifetime; the factory is reset afterwards. One at a time per process.
class ScopedMockGuiDatasetCenter {
public:
    explicit ScopedMockGuiDatasetCenter(MockGuiDatasetCenter& mock)
    {
        Current() = &mock;
        GuiDatasetCenter::SetFactory([]() -> GuiDatasetCenter* { return Current(); });
    }
    ~ScopedMockGuiDatasetCenter()
    {
        GuiDatasetCenter::ResetFactory();
        Current() = nullptr;
    }
    ScopedMockGuiDatasetCenter(const ScopedMockGuiDatasetCenter&) = delete;
    ScopedMockGuiDatasetCenter& operator=(const ScopedMockGuiDatasetCenter&) = delete;

private:
    static MockGuiDatasetCenter*& Current()
    {
        static MockGuiDatasetCenter* current = nullptr;
        return current;
    }
};

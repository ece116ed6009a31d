#pragma once
// Current-versus-baseline DataFolder choice for the host's comparison dialogs:
// the dialog owns the two pickers, this object fills them, remembers the
// choices in the project's record file and turns them into folder paths.
// Obtained from GuiDatasetCenter::GetTwoCompareDatasetsPtr(); not owned by callers.
#include <string>

class QWidget;
class CNetworkBase;
class CDatasetComboBox;

class ITwoCompareDatasets {
public:
    virtual ~ITwoCompareDatasets();

    // Non-zero: the current picker is fixed to the workstation's current DataFolder.
    virtual void SetUseCurrentDataset(int useCurrent) = 0;
    // Keys of "RECORD_INFO" under which the two choices are remembered; empty: not remembered.
    virtual void SetRecordKeys(const std::string& currentKey, const std::string& baselineKey) = 0;
    // network may be null (the host's current network is used); the missing
    // flags may be null and are set when a remembered or default name is gone.
    virtual void InitDatasetComboBoxes(CDatasetComboBox* currentCombo,
                                       CDatasetComboBox* baselineCombo, CNetworkBase* network,
                                       const std::string& defaultCurrent,
                                       const std::string& defaultBaseline, bool* currentMissing,
                                       bool* baselineMissing) = 0;
    // window: a combo box when isComboBox, else an edit; the prompt is shown
    // when the DataFolder's folder is missing. Empty when no path was obtained.
    virtual std::string GetSelectedDatasetPath(QWidget* window, const std::string& prompt,
                                               std::string& name, CNetworkBase* network,
                                               bool isComboBox) = 0;
    virtual bool GetTwoDatasetPaths(CDatasetComboBox* currentCombo, std::string& currentPath,
                                    CDatasetComboBox* baselineCombo, std::string& baselinePath,
                                    bool allowSame) = 0;
    virtual void OnDatasetSelChange(CDatasetComboBox* combo, CNetworkBase* network) = 0;
    virtual void RefreshDatasetComboBox(CDatasetComboBox* combo, CNetworkBase* network) = 0;
};

#pragma once
// The current-versus-baseline DataFolder choice that the host's comparison
// dialogs share: fills their two pickers, preselects what the user chose last
// time, handles "New..." and "More...", and turns the two choices into
// folder paths. One object per service; its settings persist between callers.
#include "host/adaptor/ITwoCompareDatasets.h"

#include <string>

class CTwoCompareDatasetsImpl : public ITwoCompareDatasets {
public:
    void SetUseCurrentDataset(int useCurrent) override { m_useCurrent = useCurrent; }
    void SetRecordKeys(const std::string& currentKey, const std::string& baselineKey) override;
    void InitDatasetComboBoxes(CDatasetComboBox* currentCombo, CDatasetComboBox* baselineCombo,
                               CNetworkBase* network, const std::string& defaultCurrent,
                               const std::string& defaultBaseline, bool* currentMissing,
                               bool* baselineMissing) override;
    std::string GetSelectedDatasetPath(QWidget* window, const std::string& prompt, std::string& name,
                                       CNetworkBase* network, bool isComboBox) override;
    bool GetTwoDatasetPaths(CDatasetComboBox* currentCombo, std::string& currentPath,
                            CDatasetComboBox* baselineCombo, std::string& baselinePath,
                            bool allowSame) override;
    void OnDatasetSelChange(CDatasetComboBox* combo, CNetworkBase* network) override;
    void RefreshDatasetComboBox(CDatasetComboBox* combo, CNetworkBase* network) override;

    int GetUseCurrentDataset() const { return m_useCurrent; }
    const std::string& GetCurrentRecordKey() const { return m_currentKey; }
    const std::string& GetBaselineRecordKey() const { return m_baselineKey; }

private:
    // Fills one picker with the remembered (or default) DataFolder selected
    // when it still exists; missing tells the caller that it is gone.
    void FillSide(CDatasetComboBox& combo, CNetworkBase* network, const std::string& key,
                  const std::string& defaultName, bool* missing);
    // One side of GetTwoDatasetPaths: its path, remembered under key.
    std::string SidePath(CDatasetComboBox* combo, const std::string& prompt, const std::string& key);

    int m_useCurrent = 0;
    std::string m_currentKey;
    std::string m_baselineKey;
};

#include "guidataset/compare/CTwoCompareDatasetsImpl.h"

#include "guidataset/compare/core/CompareChoiceRecord.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/guiutil/TWInputCheck.h"
#include "host/netutil/CliText.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/Prompter.h"

#include <QAbstractItemView>
#include <QFontMetrics>

#include <sys/stat.h>

#include <algorithm>
#include <strings.h>

namespace {

constexpr const char* kPromptCurrent = "Please select current DataFolder.";
constexpr const char* kPromptBaseline = "Please select baseline DataFolder.";

TWDataSet* RegistryOf(CNetworkBase* network)
{
    TWFileSystem* fileSystem = network ? network->GetFileSystem() : nullptr;
    return fileSystem ? fileSystem->GetDataSet() : nullptr;
}

bool IsFolder(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The network the selected item belongs to, else the picker's, else the open project.
CNetworkBase* NetworkOfSelection(const CDatasetComboBox& combo)
{
    const tagDataSetInfo* record = combo.GetItemRecord(combo.GetCurSel());
    if (record && record->network)
        return record->network;
    if (combo.GetNetworkBase())
        return combo.GetNetworkBase();
    return GetCurrentBaseline();
}

// A picker shows brief names; the item's record knows the full name that the
// registry resolves (a linked DataFolder's is its folder path).
std::string FullNameOfShown(QWidget* window, const std::string& shown)
{
    auto* combo = qobject_cast<CComboBoxTip*>(window);
    if (!combo)
        return shown;
    const int selected = combo->GetCurSel();
    const tagDataSetInfo* record = combo->GetItemRecord(selected);
    if (record && !record->fullName.empty() &&
        std::string(CliText::Trim(combo->GetLBText(selected))) == shown)
        return record->fullName;
    return shown;
}

// The drop-down list is made wide enough for its longest entry.
void WidenDropDown(CDatasetComboBox& combo)
{
    const QFontMetrics metrics(combo.view()->font());
    int widest = combo.width();
    for (int i = 0; i < combo.count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(combo.itemText(i)) + 24);
    combo.view()->setMinimumWidth(widest);
}

} // namespace

void CTwoCompareDatasetsImpl::SetRecordKeys(const std::string& currentKey, const std::string& baselineKey)
{
    m_currentKey = currentKey;
    m_baselineKey = baselineKey;
}

void CTwoCompareDatasetsImpl::InitDatasetComboBoxes(CDatasetComboBox* currentCombo,
                                                    CDatasetComboBox* baselineCombo, CNetworkBase* network,
                                                    const std::string& defaultCurrent,
                                                    const std::string& defaultBaseline, bool* currentMissing,
                                                    bool* baselineMissing)
{
    if (!network)
        network = GetCurrentBaseline();
    TWDataSet* registry = RegistryOf(network);
    if (!registry)
        return;
    if (currentCombo) {
        if (m_useCurrent) {
            const std::string name = registry->GetDatasetName(registry->GetCurrentDataSet());
            currentCombo->OnDestroy();
            currentCombo->SetNetworkBase(network);
            currentCombo->SetCurSel(currentCombo->AddSpecialDataSetItem(name.c_str(), kItemProject, network));
            currentCombo->setEnabled(false);
        } else {
            FillSide(*currentCombo, network, m_currentKey, defaultCurrent, currentMissing);
        }
    }
    if (baselineCombo)
        FillSide(*baselineCombo, network, m_baselineKey, defaultBaseline, baselineMissing);
}

void CTwoCompareDatasetsImpl::FillSide(CDatasetComboBox& combo, CNetworkBase* network, const std::string& key,
                                       const std::string& defaultName, bool* missing)
{
    const std::string name = key.empty() ? CutRememberedName(defaultName) : CompareChoiceRecord().Read(key);
    TWDataSet* registry = RegistryOf(network);
    if (!name.empty() && registry && registry->IsDataSetExist(name)) {
        if (missing)
            *missing = false;
        combo.InitDataset(name.c_str(), network, true, false);
    } else {
        combo.InitDataset(nullptr, network, true, false);
        combo.SetCurSel(-1);
        if (missing && !defaultName.empty())
            *missing = true;
    }
    combo.SetCurToolTipText(true);
}

std::string CTwoCompareDatasetsImpl::GetSelectedDatasetPath(QWidget* window, const std::string& prompt,
                                                            std::string& name, CNetworkBase* network,
                                                            bool isComboBox)
{
    if (!window || !network)
        return {};
    const std::string text = isComboBox ? TWInputCheck::CheckFileNameComboBox(window, "DataFolder", prompt, true)
                                        : TWInputCheck::CheckFileNameBox(window, "DataFolder", prompt, true);
    name = text;
    if (text.empty())
        return {};
    TWFileSystem* fileSystem = network->GetFileSystem();
    if (!fileSystem)
        fileSystem = GetCurrBaselineFileSystem();
    TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr;
    const std::string path = registry ? registry->GetDataSetPath(FullNameOfShown(window, text)) : std::string();
    if (registry && !path.empty())
        name = registry->GetDatasetName(path);
    if (!IsFolder(path)) {
        platform::MessageBoxTW(prompt, platform::BoxIcon::Information, platform::BoxButtons::Ok, window);
        return {};
    }
    return path;
}

std::string CTwoCompareDatasetsImpl::SidePath(CDatasetComboBox* combo, const std::string& prompt,
                                              const std::string& key)
{
    std::string name;
    const std::string path = GetSelectedDatasetPath(combo, prompt, name, NetworkOfSelection(*combo), false);
    if (!path.empty() && !key.empty())
        CompareChoiceRecord().Write(key, name);
    return path;
}

bool CTwoCompareDatasetsImpl::GetTwoDatasetPaths(CDatasetComboBox* currentCombo, std::string& currentPath,
                                                 CDatasetComboBox* baselineCombo, std::string& baselinePath,
                                                 bool allowSame)
{
    if (!currentCombo || currentCombo->GetCurSel() < 0)
        return false;
    // The current choice is remembered before the baseline is looked at, so
    // it is kept even when the baseline choice is refused.
    currentPath = SidePath(currentCombo, kPromptCurrent, m_currentKey);
    if (currentPath.empty())
        return false;
    if (!baselineCombo || baselineCombo->GetCurSel() < 0)
        return false;
    baselinePath = SidePath(baselineCombo, kPromptBaseline, m_baselineKey);
    if (baselinePath.empty())
        return false;
    if (!allowSame && ::strcasecmp(currentPath.c_str(), baselinePath.c_str()) == 0) {
        platform::MessageBoxTW("The Current DataFolder cannot be same as the baseline DataFolder.",
                               platform::BoxIcon::Information, platform::BoxButtons::Ok, currentCombo);
        return false;
    }
    return true;
}

void CTwoCompareDatasetsImpl::OnDatasetSelChange(CDatasetComboBox* combo, CNetworkBase* network)
{
    if (!combo)
        return;
    if (!network)
        network = GetCurrentBaseline();
    const int selected = combo->GetCurSel();
    const tagDataSetInfo* record = combo->GetItemRecord(selected);
    const int type = record ? record->itemType : 0;
    GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    if (selected >= 0 && type == kItemNew) {
        std::string created;
        TWFileSystem* fileSystem = network ? network->GetFileSystem() : nullptr;
        if (service && service->NewDataset(created, fileSystem, std::string()) && !created.empty()) {
            int index = combo->FindDataSet(created.c_str());
            // Just before "More...", among the DataFolders.
            if (index < 0)
                index = combo->InsertNewItem(combo->GetCount() - 1, created, kItemProject);
            combo->SetCurSel(index);
            combo->RecordLastSel();
        } else {
            combo->SetCurSel(combo->GetLastSel());
        }
    } else if (selected >= 0 && type == kItemMore) {
        if (service)
            service->SelectCurrentDataset(combo, combo->GetLastSel(), network);
        combo->RecordLastSel();
    } else if (selected >= 0) {
        combo->RecordLastSel();
    }
    combo->SetCurToolTipText(true);
}

void CTwoCompareDatasetsImpl::RefreshDatasetComboBox(CDatasetComboBox* combo, CNetworkBase* network)
{
    if (!network)
        network = CBaseline::Instance();
    TWDataSet* registry = RegistryOf(network);
    if (!combo || !registry)
        return;
    const int selected = combo->GetCurSel();
    const std::string shown = selected >= 0 ? std::string(CliText::Trim(combo->GetLBText(selected))) : std::string();
    const std::string name = shown.empty() ? shown : FullNameOfShown(combo, shown);
    if (!name.empty() && registry->IsDataSetExist(name)) {
        combo->InitDataset(name.c_str(), network, true, false);
    } else {
        combo->InitDataset(nullptr, network, true, false);
        combo->SetCurSel(-1);
    }
    combo->RecordLastSel();
    WidenDropDown(*combo);
}

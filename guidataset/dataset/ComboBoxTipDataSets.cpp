#include "guidataset/dataset/ComboBoxTipDataSets.h"

#include "guidataset/dataset/DataSetItemFill.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/adaptor/GuiMapCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/guiutil/CComboBoxTip.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/Prompter.h"

#include <memory>
#include <vector>

namespace picker {

namespace {

class ComboBoxItemSink final : public DataSetItemSink {
public:
    explicit ComboBoxItemSink(CComboBoxTip& combo) : m_combo(combo) {}
    int AppendItem(const std::string& text, tagDataSetInfo* record) override
    {
        const int index = m_combo.AddString(text);
        m_combo.SetItemRecord(index, record);
        return index;
    }
    int ItemCount() const override { return m_combo.GetCount(); }
    void SelectItem(int index) override { m_combo.SetCurSel(index); }

private:
    CComboBoxTip& m_combo;
};

void ShowMessage(const char* message)
{
    if (message && *message)
        platform::AppMessageBox(message);
}

std::string FullNameAt(const CComboBoxTip& combo, int index)
{
    const tagDataSetInfo* record = combo.GetItemRecord(index);
    return record ? record->fullName : combo.GetLBText(index);
}

} // namespace

void FreeComboBoxRecords(CComboBoxTip& combo)
{
    for (int i = 0; i < combo.GetCount(); ++i) {
        delete combo.GetItemRecord(i);
        combo.SetItemRecord(i, nullptr);
    }
}

void ClearComboBox(CComboBoxTip& combo)
{
    FreeComboBoxRecords(combo);
    combo.ResetContent();
}

int FindDataSetItem(const CComboBoxTip& combo, const char* name)
{
    if (!name)
        return -1;
    for (int i = 0; i < combo.GetCount(); ++i) {
        const tagDataSetInfo* record = combo.GetItemRecord(i);
        if (record && SameDataSetName(record->fullName, name))
            return i;
    }
    return -1;
}

int AddSpecialItem(CComboBoxTip& combo, const char* text, int type, CNetworkBase* network)
{
    const std::string name = text ? text : "";
    const int index = combo.AddString(name);
    combo.SetItemRecord(index, MakeItemRecord(name, type, network));
    return index;
}

int RefillComboBox(CComboBoxTip& combo, CNetworkBase* network, const char* current,
                   bool limitToEight, bool withNew)
{
    ClearComboBox(combo);
    ComboBoxItemSink sink(combo);
    return FillDataSetItems(sink, network, current, limitToEight, withNew);
}

void FillComboBox(CComboBoxTip& combo, const char* current, CNetworkBase** network,
                  bool limitToEight, bool withNew)
{
    CNetworkBase* net = network ? *network : nullptr;
    if (!net) {
        net = CBaseline::Instance();
        if (network)
            *network = net;
    }
    ClearComboBox(combo);
    combo.ClearEditText();

    if (net) {
        ComboBoxItemSink sink(combo);
        FillDataSetItems(sink, net, current, limitToEight, withNew);
    } else {
        // No project: the outside DataFolders the open map refers to.
        std::vector<tagDataSetInfo*> linked;
        GuiMapCenter::Instance().GetLinkedDataSets(linked);
        for (std::size_t i = 0; i < linked.size(); ++i) {
            std::unique_ptr<tagDataSetInfo> record(linked[i]);
            const int before = combo.GetCount();
            const int index =
                InsertItemByName(combo, static_cast<int>(i), record->briefName, nullptr, kItemNoNetwork);
            if (combo.GetCount() > before)
                combo.GetItemRecord(index)->fullName = record->fullName;
            if (current && *current && SameDataSetName(current, record->fullName))
                combo.SetCurSel(index);
        }
        if (combo.GetCurSel() < 0 && combo.GetCount() > 0)
            combo.SetCurSel(0);
    }
    combo.RecordLastSel();
}

int InsertItemByName(CComboBoxTip& combo, int pos, const std::string& name,
                     CNetworkBase* network, int type)
{
    int selection = combo.GetCurSel();
    const int found = FindDataSetItem(combo, name.c_str());
    if (found >= 0) {
        combo.SetCurSel(selection);
        combo.RecordLastSel();
        return found;
    }
    tagDataSetInfo* record = MakeItemRecord(name, type, network);
    const int index = combo.InsertString(pos, name);
    if (selection >= 0 && index <= selection)
        ++selection;
    combo.SetItemRecord(index, record);
    combo.SetCurSel(selection);
    combo.RecordLastSel();
    return index;
}

int ForceShowDataSetItem(CComboBoxTip& combo, const std::string& name, CNetworkBase* network)
{
    const int found = FindDataSetItem(combo, name.c_str());
    if (found >= 0)
        return found;

    if (!network) {
        const int index = combo.AddString(name);
        combo.SetItemRecord(index, MakeItemRecord(name, kItemNoNetwork, nullptr));
        return index;
    }

    if (tagDataSetInfo* record = TakeRegisteredRecord(network, name)) {
        // Before the two command items at the end of a filled list.
        const int inserted = combo.InsertString(combo.GetCount() - 2, ShownName(*record));
        combo.SetItemRecord(inserted, record);
        return inserted;
    }
    return InsertItemByName(combo, 0, name, network, kItemProject);
}

void HandleSelectionChange(CComboBoxTip& combo, CNetworkBase* network)
{
    const int selection = combo.GetCurSel();
    if (selection >= 0) {
        const tagDataSetInfo* record = combo.GetItemRecord(selection);
        const int type = record ? record->itemType : 0;
        GuiDatasetCenter* service = GuiDatasetCenter::Instance();
        if (type == kItemNew) {
            std::string newName;
            TWFileSystem* fileSystem = network ? network->GetFileSystem() : nullptr;
            if (!service || !service->NewDataset(newName, fileSystem, std::string()) ||
                newName.empty()) {
                combo.ResetLastSel();
                return;
            }
            const int index = InsertItemByName(combo, 0, newName, network, kItemProject);
            combo.SetCurSel(index);
            combo.RecordLastSel();
        } else if (type == kItemMore) {
            if (!service || !service->SelectCurrentDataset(&combo, combo.GetLastSel(), network)) {
                combo.ResetLastSel();
                return;
            }
            combo.RecordLastSel();
        } else {
            combo.RecordLastSel();
        }
    }
    combo.SetCurToolTipText(true);
    combo.NotifySelectionChange();
}

std::string GetSelectedFullName(const CComboBoxTip& combo, const char* message)
{
    const int selection = combo.GetCurSel();
    if (selection < 0) {
        ShowMessage(message);
        return {};
    }
    return FullNameAt(combo, selection);
}

std::string GetComboBoxDataSetPath(const CComboBoxTip& combo, const char* message,
                                   std::string& name, const std::string& workspaceName,
                                   CNetworkBase* network)
{
    const int selection = combo.GetCurSel();
    if (selection < 0) {
        ShowMessage(message);
        return {};
    }
    name = FullNameAt(combo, selection);
    if (!network)
        return name;
    TWFileSystem* fileSystem = network->GetFileSystem();
    if (!fileSystem)
        return {};
    if (name == workspaceName)
        return fileSystem->GetConfigRootFolder();
    TWDataSet* registry = fileSystem->GetDataSet();
    return registry ? registry->GetDataSetPath(name) : std::string();
}

} // namespace picker

#include "guidataset/dataset/CXTPDataSetComboBox.h"

#include "guidataset/dataset/ComboBoxTipDataSets.h"
#include "guidataset/dataset/DataSetItemFill.h"
#include "platform/qt/ControlId.h"

#include <algorithm>

namespace {
// Wide enough for a dated DataFolder name on the toolbar.
constexpr int kMinimumNameLength = 28;
}

CXTPDataSetComboBox::CXTPDataSetComboBox(QWidget* parent) : CComboBoxTip(parent)
{
    setEditable(false);
    setMinimumContentsLength(kMinimumNameLength);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, &CXTPDataSetComboBox::OnActivated);
}

CXTPDataSetComboBox::~CXTPDataSetComboBox() { FreeMemory(); }

CXTPDataSetComboBox* CXTPDataSetComboBox::CreateObject() { return new CXTPDataSetComboBox; }

CXTPDataSetComboBox* CXTPDataSetComboBox::Clone(int) const
{
    auto* copy = CreateObject();
    copy->m_showBriefMode = m_showBriefMode;
    copy->m_dataSets = m_dataSets;
    copy->setEditable(isEditable());
    for (int i = 0; i < GetCount(); ++i) {
        const int index = copy->AddString(GetLBText(i));
        if (const tagDataSetInfo* record = GetItemRecord(i))
            copy->SetItemRecord(index, new tagDataSetInfo(*record));
    }
    copy->SetCurSel(GetCurSel());
    copy->SetLastSel(GetLastSel());
    copy->setPlaceholderText(placeholderText());
    copy->setToolTip(toolTip());
    if (const int id = platform::ControlId(this))
        platform::SetControlId(copy, id);
    return copy;
}

int CXTPDataSetComboBox::FindDataSet(const char* name) const
{
    return picker::FindDataSetItem(*this, name);
}

int CXTPDataSetComboBox::AddSpecialDataSetItem(const char* text, int type, CNetworkBase* network)
{
    return picker::AddSpecialItem(*this, text, type, network);
}

int CXTPDataSetComboBox::InsertNewItem(int pos, const std::string& name, CNetworkBase* network,
                                       int type, const char* brief)
{
    const int found = FindDataSet(name.c_str());
    if (found >= 0)
        return found;
    auto* record = new tagDataSetInfo;
    record->fullName = name;
    record->briefName = brief ? brief : name;
    record->itemType = type;
    record->network = network;
    const int index = InsertString(pos, record->briefName);
    SetItemRecord(index, record);
    return index;
}

int CXTPDataSetComboBox::ForceShowDataSet(const std::string& name, CNetworkBase* network,
                                          const char* brief)
{
    const int found = FindDataSet(name.c_str());
    if (found >= 0)
        return found;
    // Before "New..." and "More..." (or before "New..." and the last DataFolder).
    auto beforeLastTwo = [this] { return std::max(0, GetCount() - 2); };

    if (tagDataSetInfo* record = TakeRegisteredRecord(network, name)) {
        const int inserted = InsertString(beforeLastTwo(), ShownName(*record));
        SetItemRecord(inserted, record);
        return inserted;
    }
    return InsertNewItem(beforeLastTwo(), name, network, network ? kItemProject : kItemNoNetwork,
                         brief);
}

std::string CXTPDataSetComboBox::GetCurDataSetFullName() const
{
    return GetLBText(GetCurSel());
}

void CXTPDataSetComboBox::FreeMemory() { picker::FreeComboBoxRecords(*this); }

void CXTPDataSetComboBox::OnActivated(int index)
{
    const tagDataSetInfo* record = GetItemRecord(index);
    const std::string name = record ? record->fullName : GetLBText(index);
    emit dataSetChosen(QString::fromStdString(name));
}

#include "guidataset/dataset/CDatasetComboBox.h"

#include "guidataset/dataset/ComboBoxTipDataSets.h"
#include "host/util/tagDataSetInfo.h"

const char* const CDatasetComboBox::m_cstrDataset = "*Baseline Config";

CDatasetComboBox::CDatasetComboBox(QWidget* parent) : CComboBoxTip(parent)
{
    connect(this, &QComboBox::activated, this, [this](int) { OnCbnSelchange(); });
}

CDatasetComboBox::~CDatasetComboBox() { FreeMemory(); }

void CDatasetComboBox::InitDataset(const char* current, CNetworkBase* network, bool limitToEight,
                                   bool withNew)
{
    setEditable(false);
    picker::FillComboBox(*this, current, &network, limitToEight, withNew);
    m_network = network;
}

int CDatasetComboBox::FindDataSet(const char* name) const
{
    return picker::FindDataSetItem(*this, name);
}

int CDatasetComboBox::AddSpecialDataSetItem(const char* text, int type, CNetworkBase* network)
{
    return picker::AddSpecialItem(*this, text, type, network);
}

int CDatasetComboBox::InsertNewItem(int pos, const std::string& text, int type)
{
    return picker::InsertItemByName(*this, pos, text, m_network, type);
}

int CDatasetComboBox::InsertNewItem(const std::string& text, int type)
{
    return InsertNewItem(0, text, type);
}

int CDatasetComboBox::InsertNewItem(int pos, const std::string& text, const std::string& fullName,
                                    int type)
{
    const int index = InsertNewItem(pos, text, type);
    if (tagDataSetInfo* record = GetItemRecord(index))
        record->fullName = fullName;
    return index;
}

int CDatasetComboBox::InsertWorkspaceDataset()
{
    const int index = InsertNewItem(0, m_cstrDataset, kItemProject);
    RecordLastSel();
    return index;
}

int CDatasetComboBox::ForceShowDataSet(const std::string& name)
{
    return picker::ForceShowDataSetItem(*this, name, m_network);
}

std::string CDatasetComboBox::GetDataSetFullName(const char* message) const
{
    return picker::GetSelectedFullName(*this, message);
}

std::string CDatasetComboBox::GetDataSetPath(const char* message, std::string& name) const
{
    return picker::GetComboBoxDataSetPath(*this, message, name, m_cstrDataset, m_network);
}

void CDatasetComboBox::OnCbnSelchange() { picker::HandleSelectionChange(*this, m_network); }

void CDatasetComboBox::FreeMemory() { picker::FreeComboBoxRecords(*this); }

void CDatasetComboBox::OnDestroy() { picker::ClearComboBox(*this); }

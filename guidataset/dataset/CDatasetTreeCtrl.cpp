#include "guidataset/dataset/CDatasetTreeCtrl.h"

#include "guidataset/dataset/DataSetItemFill.h"
#include "host/util/TWDataSet.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/Prompter.h"

#include <QVariant>

namespace {
constexpr int kRecordRole = Qt::UserRole + 1;
}

CDatasetTreeCtrl::CDatasetTreeCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);
}

CDatasetTreeCtrl::~CDatasetTreeCtrl() { FreeMemory(); }

tagDataSetInfo* CDatasetTreeCtrl::ItemRecord(const QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    return reinterpret_cast<tagDataSetInfo*>(item->data(0, kRecordRole).value<quintptr>());
}

QTreeWidgetItem* CDatasetTreeCtrl::AppendItem(const std::string& text, tagDataSetInfo* record)
{
    auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(text)));
    item->setData(0, kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(record)));
    if (const std::string note = record ? TWDataSet::UnavailableNote(*record) : std::string(); !note.empty())
        item->setToolTip(0, QString::fromStdString(note));
    addTopLevelItem(item);
    return item;
}

QTreeWidgetItem* CDatasetTreeCtrl::FindDataSet(const char* name) const
{
    if (!name)
        return nullptr;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        const tagDataSetInfo* record = ItemRecord(item);
        if (record && SameDataSetName(record->fullName, name))
            return item;
    }
    return nullptr;
}

QTreeWidgetItem* CDatasetTreeCtrl::AddSpecialDataSetItem(const char* text, int type,
                                                         CNetworkBase* network)
{
    const std::string name = text ? text : "";
    return AppendItem(name, MakeItemRecord(name, type, network));
}

QTreeWidgetItem* CDatasetTreeCtrl::InsertNewItem(QTreeWidgetItem*, const std::string& name, int)
{
    if (QTreeWidgetItem* found = FindDataSet(name.c_str()))
        return found;
    return AppendItem(name, MakeItemRecord(name, kItemProject, m_network));
}

QTreeWidgetItem* CDatasetTreeCtrl::InsertNewItem(const std::string& name, int type)
{
    return InsertNewItem(nullptr, name, type);
}

std::string CDatasetTreeCtrl::GetDataSetFullName(QTreeWidgetItem* item) const
{
    if (!item)
        return {};
    const tagDataSetInfo* record = ItemRecord(item);
    return record ? record->fullName : item->text(0).toStdString();
}

std::string CDatasetTreeCtrl::GetDataSetPath(const char* message, std::string& name) const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        if (message && *message)
            platform::AppMessageBox(message);
        return {};
    }
    name = GetDataSetFullName(selected.first());
    TWDataSet* registry = RegistryOf(m_network);
    return registry ? registry->GetDataSetPath(name) : std::string();
}

void CDatasetTreeCtrl::FreeMemory()
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        delete ItemRecord(item);
        item->setData(0, kRecordRole, QVariant::fromValue(quintptr(0)));
    }
}

void CDatasetTreeCtrl::OnDestroy()
{
    FreeMemory();
    clear();
}

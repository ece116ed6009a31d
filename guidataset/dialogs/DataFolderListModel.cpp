#include "guidataset/dialogs/DataFolderListModel.h"

#include "host/util/TWDataSet.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/FileTimes.h"

namespace {

QString TimeText(platform::FileTime time)
{
    return QString::fromStdString(platform::FormatLocalTime(time, "%Y-%m-%d %H:%M"));
}

} // namespace

DataFolderListModel::DataFolderListModel(QObject* parent) : QAbstractTableModel(parent) {}

DataFolderListModel::~DataFolderListModel() = default;

int DataFolderListModel::Append(std::unique_ptr<tagDataSetInfo> record)
{
    const int row = static_cast<int>(m_records.size());
    beginInsertRows(QModelIndex(), row, row);
    m_records.push_back(std::move(record));
    endInsertRows();
    return row;
}

void DataFolderListModel::Clear()
{
    if (m_records.empty())
        return;
    beginResetModel();
    m_records.clear();
    endResetModel();
}

const tagDataSetInfo* DataFolderListModel::Record(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_records.size()))
        return nullptr;
    return m_records[static_cast<std::size_t>(row)].get();
}

int DataFolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_records.size());
}

int DataFolderListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColCount;
}

QVariant DataFolderListModel::data(const QModelIndex& index, int role) const
{
    const tagDataSetInfo* record = index.isValid() ? Record(index.row()) : nullptr;
    if (!record)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColName:
            return QString::fromStdString(record->briefName);
        case ColCreateTime:
            return TimeText(record->createTime);
        case ColUpdateTime:
            return TimeText(record->updateTime);
        default:
            return {};
        }
    case Qt::ToolTipRole: {
        // A linked DataFolder's brief name hides where it lies, and whether it is there.
        if (index.column() != ColName)
            return {};
        const std::string note = TWDataSet::UnavailableNote(*record);
        return QString::fromStdString(note.empty() ? record->fullName : note);
    }
    case Qt::DecorationRole:
        return index.column() == ColName && !m_icon.isNull() ? QVariant(m_icon) : QVariant();
    default:
        return {};
    }
}

QVariant DataFolderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColName:
        return QStringLiteral("Name");
    case ColCreateTime:
        return QStringLiteral("Create Time");
    case ColUpdateTime:
        return QStringLiteral("Update Time");
    default:
        return {};
    }
}

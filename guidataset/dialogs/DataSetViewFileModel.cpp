#include "guidataset/dialogs/DataSetViewFileModel.h"

DataSetViewFileModel::DataSetViewFileModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataSetViewFileModel::SetRows(std::vector<DataSetViewRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void DataSetViewFileModel::Clear()
{
    SetRows({});
}

void DataSetViewFileModel::SetRowIcon(const QIcon& icon)
{
    m_icon = icon;
    if (!m_rows.empty())
        emit dataChanged(index(0, kColumnName), index(rowCount() - 1, kColumnName),
                         {Qt::DecorationRole});
}

int DataSetViewFileModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int DataSetViewFileModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant DataSetViewFileModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const DataSetViewRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case kColumnName: return QString::fromStdString(row.name);
        case kColumnCreateTime: return QString::fromStdString(row.createTime);
        case kColumnUpdateTime: return QString::fromStdString(row.updateTime);
        default: return {};
        }
    case Qt::ToolTipRole:
        // Names of long device and command texts are cut by the column; the tip shows the file.
        return QString::fromStdString(row.fileName);
    case Qt::DecorationRole:
        if (index.column() == kColumnName && !m_icon.isNull())
            return m_icon;
        return {};
    default:
        return {};
    }
}

QVariant DataSetViewFileModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kColumnName: return QStringLiteral("Name");
    case kColumnCreateTime: return QStringLiteral("Create Time");
    case kColumnUpdateTime: return QStringLiteral("Update Time");
    default: return {};
    }
}

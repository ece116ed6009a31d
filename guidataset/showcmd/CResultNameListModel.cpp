#include "guidataset/showcmd/CResultNameListModel.h"

#include <algorithm>

CResultNameListModel::CResultNameListModel(QString header, QObject* parent)
    : QAbstractListModel(parent), m_header(std::move(header))
{
}

CResultNameListModel::~CResultNameListModel() = default;

void CResultNameListModel::SetRows(const std::vector<std::string>& names, std::vector<QIcon> icons)
{
    beginResetModel();
    m_names = names;
    m_icons = std::move(icons);
    if (m_icons.size() != m_names.size())
        m_icons.clear();
    endResetModel();
}

void CResultNameListModel::Clear()
{
    SetRows({});
}

int CResultNameListModel::FindName(const std::string& name) const
{
    const auto found = std::find(m_names.begin(), m_names.end(), name);
    return found == m_names.end() ? -1 : static_cast<int>(found - m_names.begin());
}

int CResultNameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant CResultNameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QString::fromStdString(m_names[row]);
    if (role == Qt::DecorationRole && !m_icons.empty())
        return m_icons[row];
    return {};
}

QVariant CResultNameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_header;
    return {};
}

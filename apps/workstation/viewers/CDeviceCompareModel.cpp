#include "apps/workstation/viewers/CDeviceCompareModel.h"

#include <QBrush>
#include <QColor>

namespace workstation {

namespace {

QColor VerdictColour(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Same: return QColor(0x1a, 0x7f, 0x37);
    case Verdict::Different: return QColor(0xb4, 0x23, 0x18);
    case Verdict::Unreadable: return QColor(0x6b, 0x21, 0xa8);
    case Verdict::OnlyInFirst:
    case Verdict::OnlyInSecond: return QColor(0x8a, 0x53, 0x00);
    case Verdict::InNeither:
    case Verdict::NotCompared: break;
    }
    return QColor(0x6b, 0x6b, 0x6b);
}

} // namespace

CDeviceCompareModel::CDeviceCompareModel(QObject* parent) : QAbstractTableModel(parent) {}

void CDeviceCompareModel::SetRows(std::vector<DeviceComparison> rows, bool configurations, bool routeTables)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_configurations = configurations;
    m_routeTables = routeTables;
    endResetModel();
}

const DeviceVerdict* CDeviceCompareModel::Verdict(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return nullptr;
    const DeviceComparison& row = m_rows[static_cast<std::size_t>(index.row())];
    if (index.column() == kConfiguration && m_configurations)
        return &row.configuration;
    if (index.column() == kRouteTable && m_routeTables)
        return &row.routeTable;
    return nullptr;
}

int CDeviceCompareModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CDeviceCompareModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CDeviceCompareModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (index.column() == kDevice)
        return role == Qt::DisplayRole ? QString::fromStdString(m_rows[static_cast<std::size_t>(index.row())].device)
                                       : QVariant();
    const DeviceVerdict* verdict = Verdict(index);
    if (!verdict)
        return role == Qt::DisplayRole ? tr("Not compared") : QVariant();
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(CDeviceComparer::Describe(*verdict));
    case Qt::ForegroundRole: return QBrush(VerdictColour(verdict->verdict));
    case Qt::ToolTipRole: {
        QStringList paths;
        for (const std::string* path : {&verdict->entry.pathA, &verdict->entry.pathB})
            if (!path->empty())
                paths << QString::fromStdString(*path);
        return paths.join(QLatin1Char('\n'));
    }
    default: return {};
    }
}

QVariant CDeviceCompareModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kDevice: return tr("Device");
    case kConfiguration: return tr("Configuration");
    case kRouteTable: return tr("Route table");
    }
    return {};
}

} // namespace workstation

#include "apps/workstation/viewers/CDataFolderReportModel.h"

#include <QBrush>
#include <QColor>

namespace workstation {

namespace {

// Device rows carry no parent: their internal id is 0; a kind row's is its
// device's row + 1.
constexpr quintptr kDeviceRow = 0;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString ChangeCaption(ChangeKind change)
{
    switch (change) {
    case ChangeKind::Added: return QObject::tr("Added");
    case ChangeKind::Removed: return QObject::tr("Removed");
    case ChangeKind::Changed: return QObject::tr("Changed");
    case ChangeKind::Unreadable: return QObject::tr("Not compared");
    }
    return {};
}

QColor ChangeColour(ChangeKind change)
{
    switch (change) {
    case ChangeKind::Added: return QColor(0x1a, 0x7f, 0x37);
    case ChangeKind::Removed: return QColor(0xb4, 0x23, 0x18);
    case ChangeKind::Changed: return QColor(0x8a, 0x53, 0x00);
    case ChangeKind::Unreadable: return QColor(0x6b, 0x21, 0xa8);
    }
    return {};
}

QString CountsLine(const KindCounts& counts)
{
    QStringList parts;
    if (counts.added)
        parts << QObject::tr("%1 added").arg(counts.added);
    if (counts.removed)
        parts << QObject::tr("%1 removed").arg(counts.removed);
    if (counts.changed)
        parts << QObject::tr("%1 changed").arg(counts.changed);
    if (counts.unreadable)
        parts << QObject::tr("%1 not compared").arg(counts.unreadable);
    return parts.join(QStringLiteral(", "));
}

} // namespace

CDataFolderReportModel::CDataFolderReportModel(QObject* parent) : QAbstractItemModel(parent) {}

void CDataFolderReportModel::SetReport(DataFolderReport report)
{
    beginResetModel();
    m_report = std::move(report);
    m_devices.clear();
    for (std::size_t i = 0; i < m_report.entries.size(); ++i) {
        const ReportEntry& entry = m_report.entries[i];
        if (m_devices.empty() || m_report.entries[m_devices.back().first].device != entry.device)
            m_devices.push_back({i, 0, {}});
        Device& device = m_devices.back();
        ++device.count;
        switch (entry.change) {
        case ChangeKind::Added: ++device.counts.added; break;
        case ChangeKind::Removed: ++device.counts.removed; break;
        case ChangeKind::Changed: ++device.counts.changed; break;
        case ChangeKind::Unreadable: ++device.counts.unreadable; break;
        }
    }
    endResetModel();
}

const ReportEntry* CDataFolderReportModel::Entry(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == kDeviceRow)
        return nullptr;
    const Device& device = m_devices[index.internalId() - 1];
    return &m_report.entries[device.first + static_cast<std::size_t>(index.row())];
}

QModelIndex CDataFolderReportModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, kDeviceRow);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex CDataFolderReportModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kDeviceRow)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kDeviceRow);
}

int CDataFolderReportModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_devices.size());
    if (parent.internalId() != kDeviceRow || parent.column() != 0)
        return 0;
    return static_cast<int>(m_devices[static_cast<std::size_t>(parent.row())].count);
}

int CDataFolderReportModel::columnCount(const QModelIndex&) const
{
    return kColumnCount;
}

QVariant CDataFolderReportModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (const ReportEntry* entry = Entry(index))
        return EntryData(*entry, index.column(), role);
    return DeviceData(m_devices[static_cast<std::size_t>(index.row())], index.column(), role);
}

QVariant CDataFolderReportModel::DeviceData(const Device& device, int column, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case kName: return Text(m_report.entries[device.first].device);
    case kChange:
        return device.count == 1 ? tr("1 difference") : tr("%1 differences").arg(device.count);
    case kDetails: return CountsLine(device.counts);
    }
    return {};
}

QVariant CDataFolderReportModel::EntryData(const ReportEntry& entry, int column, int role) const
{
    if (role == Qt::ForegroundRole && column == kChange)
        return QBrush(ChangeColour(entry.change));
    if (role == Qt::ToolTipRole)
        return Text(entry.pathA.empty() ? entry.pathB
                                        : entry.pathB.empty() ? entry.pathA : entry.pathA + "\n" + entry.pathB);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case kName: return Text(DataFolderReport::Subject(entry));
    case kChange: return ChangeCaption(entry.change);
    case kDetails:
        switch (entry.change) {
        case ChangeKind::Added: return tr("only in %1").arg(Text(m_report.nameB));
        case ChangeKind::Removed: return tr("only in %1").arg(Text(m_report.nameA));
        case ChangeKind::Unreadable: return Text(entry.reason);
        case ChangeKind::Changed: return Text(DataFolderReport::CountsText(entry));
        }
    }
    return {};
}

QVariant CDataFolderReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kName: return tr("Device and data");
    case kChange: return tr("Change");
    case kDetails: return tr("Details");
    }
    return {};
}

} // namespace workstation

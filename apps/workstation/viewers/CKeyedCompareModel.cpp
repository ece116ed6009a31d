#include "apps/workstation/viewers/CKeyedCompareModel.h"

#include "apps/workstation/viewers/CTableFileModel.h"

#include "host/netutil/CKeyedTableCompare.h"

#include <QColor>

#include <utility>

namespace workstation {

CKeyedCompareModel::CKeyedCompareModel(QObject* parent) : QAbstractTableModel(parent) {}

void CKeyedCompareModel::SetDiff(KeyedTableDiff diff)
{
    beginResetModel();
    m_diff = std::move(diff);
    endResetModel();
}

int CKeyedCompareModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_diff.changes.size());
}

int CKeyedCompareModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : DetailColumn() + 1;
}

QColor CKeyedCompareModel::Tint(KeyedChangeKind kind)
{
    switch (kind) {
    case KeyedChangeKind::Added: return QColor(0xdc, 0xf5, 0xdf);
    case KeyedChangeKind::Removed: return QColor(0xfb, 0xdf, 0xdf);
    case KeyedChangeKind::Changed: break;
    }
    return QColor(0xff, 0xf0, 0xc8);
}

QColor CKeyedCompareModel::Ink(KeyedChangeKind kind)
{
    switch (kind) {
    case KeyedChangeKind::Added: return QColor(0x1b, 0x6e, 0x2a);
    case KeyedChangeKind::Removed: return QColor(0xa3, 0x1d, 0x1d);
    case KeyedChangeKind::Changed: break;
    }
    return QColor(0x8a, 0x5a, 0x00);
}

QString CKeyedCompareModel::Text(const KeyedRowChange& change, int column) const
{
    if (column == 0) {
        QString kind = QString::fromLatin1(CKeyedTableCompare::KindName(change.kind));
        kind[0] = kind[0].toUpper();
        return change.duplicate ? tr("%1 (duplicate key)").arg(kind) : kind;
    }
    if (column < DetailColumn())
        return QString::fromStdString(change.key[static_cast<std::size_t>(column - 1)]);
    return QString::fromStdString(CKeyedTableCompare::Summary(change));
}

QVariant CKeyedCompareModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const KeyedRowChange& change = m_diff.changes[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Text(change, index.column());
    case Qt::ToolTipRole: {
        // One line per column, which the one-line summary may cut off.
        QStringList lines;
        for (const KeyedCellChange& cell : change.cells) {
            const QString column = CTableFileModel::Heading(cell.column);
            if (change.kind == KeyedChangeKind::Changed)
                lines << QStringLiteral("%1: %2 -> %3")
                             .arg(column, QString::fromStdString(cell.oldValue), QString::fromStdString(cell.newValue));
            else
                lines << QStringLiteral("%1: %2").arg(
                    column, QString::fromStdString(change.kind == KeyedChangeKind::Added ? cell.newValue : cell.oldValue));
        }
        return lines.join(QLatin1Char('\n'));
    }
    case Qt::BackgroundRole:
        return Tint(change.kind);
    case Qt::ForegroundRole:
        return index.column() == 0 ? QVariant(Ink(change.kind)) : QVariant();
    case kChangeKindRole:
        return QString::fromLatin1(CKeyedTableCompare::KindName(change.kind));
    default:
        return {};
    }
}

QVariant CKeyedCompareModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > DetailColumn())
        return {};
    if (section == 0)
        return tr("Change");
    if (section == DetailColumn())
        return tr("What changed");
    return CTableFileModel::Heading(m_diff.keyColumns[static_cast<std::size_t>(section - 1)]);
}

} // namespace workstation

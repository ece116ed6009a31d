#pragma once
// The keys of a keyed table comparison (KeyedTableDiff) as an item model: one
// row per added, removed or changed key, coloured by its kind of change, with
// the key's cells and what changed ("nexthops: a -> b").
#include "host/netutil/KeyedTableDiff.h"

#include <QAbstractTableModel>

namespace workstation {

class CKeyedCompareModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // "added", "removed" or "changed" of a row, for filtering by kind.
    static constexpr int kChangeKindRole = Qt::UserRole + 1;

    explicit CKeyedCompareModel(QObject* parent = nullptr);

    void SetDiff(KeyedTableDiff diff);
    const KeyedTableDiff& Diff() const { return m_diff; }
    // The column that says what changed (the last one).
    int DetailColumn() const { return 1 + static_cast<int>(m_diff.keyColumns.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The tint of a kind of change, shared by the rows and the window's counts.
    static QColor Tint(KeyedChangeKind kind);
    static QColor Ink(KeyedChangeKind kind);

private:
    QString Text(const KeyedRowChange& change, int column) const;

    KeyedTableDiff m_diff;
};

} // namespace workstation

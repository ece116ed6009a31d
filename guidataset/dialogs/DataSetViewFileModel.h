#pragma once
// The View dialog's file list: one row per file of the chosen kind.
#include "guidataset/dialogs/core/DataSetViewFiles.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

class DataSetViewFileModel final : public QAbstractTableModel {
public:
    enum Column { kColumnName, kColumnCreateTime, kColumnUpdateTime, kColumnCount };

    explicit DataSetViewFileModel(QObject* parent = nullptr);

    void SetRows(std::vector<DataSetViewRow> rows);
    void Clear();
    const std::vector<DataSetViewRow>& Rows() const { return m_rows; }
    // Shown before every file name.
    void SetRowIcon(const QIcon& icon);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<DataSetViewRow> m_rows;
    QIcon m_icon;
};

#pragma once
// Rows of DataFolders with their creation and update times, for the list
// dialogs. The model owns the tagDataSetInfo record of every row.
#include <QAbstractTableModel>
#include <QIcon>

#include <memory>
#include <vector>

struct tagDataSetInfo;

class DataFolderListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColName, ColCreateTime, ColUpdateTime, ColCount };

    explicit DataFolderListModel(QObject* parent = nullptr);
    ~DataFolderListModel() override;

    // Every row shows this icon beside its name.
    void SetRowIcon(const QIcon& icon) { m_icon = icon; }

    // Appends a row for the record, which the model then owns; returns its row.
    int Append(std::unique_ptr<tagDataSetInfo> record);
    // Frees every record and empties the list.
    void Clear();
    // Null for a row outside the list.
    const tagDataSetInfo* Record(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<std::unique_ptr<tagDataSetInfo>> m_records;
    QIcon m_icon;
};

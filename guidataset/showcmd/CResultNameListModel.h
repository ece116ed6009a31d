#pragma once
// One column of names for the results browser's device and command lists,
// each row with an optional icon. Refilled whole: a DataFolder may hold
// hundreds of devices, so the list is an item view over this model.
#include <QAbstractListModel>
#include <QIcon>
#include <QString>

#include <string>
#include <vector>

class CResultNameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit CResultNameListModel(QString header, QObject* parent = nullptr);
    ~CResultNameListModel() override;

    // icons: one per name, or none at all.
    void SetRows(const std::vector<std::string>& names, std::vector<QIcon> icons = {});
    void Clear();
    const std::string& Name(int row) const { return m_names[static_cast<std::size_t>(row)]; }
    // The row holding exactly name; -1 when none does.
    int FindName(const std::string& name) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString m_header;
    std::vector<std::string> m_names;
    std::vector<QIcon> m_icons;
};

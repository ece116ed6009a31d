#pragma once
// The filter over a CTableFileModel, straight on its stored cells (no
// QVariant or QString per row), keeping rows with the text in any cell,
// ignoring case. Sorting is handed to the model, which orders its rows
// itself: no QModelIndex per comparison, so 80,000 rows sort at once.
#include <QSortFilterProxyModel>

#include <string>

namespace workstation {

class CTableFileModel;

class CTableFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CTableFilterProxy(QObject* parent = nullptr);

    void SetTable(CTableFileModel* model);
    void SetFilterText(const QString& text);

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    CTableFileModel* m_table = nullptr;
    std::string m_filter;
};

} // namespace workstation

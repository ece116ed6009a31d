#pragma once
// Sorting and filtering of a CTableFileModel straight on its stored cells:
// no QVariant or QString per comparison, so sorting 80,000 rows or typing a
// filter stays quick. Sorting is natural (10.0.0.9 before 10.0.0.10,
// Gi1/0/2 before Gi1/0/10); the filter keeps rows with the text in any cell,
// ignoring case.
#include <QSortFilterProxyModel>

#include <string>
#include <string_view>

namespace workstation {

class CTableFileModel;

class CTableFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CTableFilterProxy(QObject* parent = nullptr);

    void SetTable(CTableFileModel* model);
    void SetFilterText(const QString& text);

    // Negative, zero or positive as a sorts before, with or after b.
    static int NaturalCompare(std::string_view a, std::string_view b);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    CTableFileModel* m_table = nullptr;
    std::string m_filter;
};

} // namespace workstation

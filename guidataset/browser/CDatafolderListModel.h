#pragma once
// The browser's file list as an item model: the rows a page puts in through
// IDatafolderList, shown by a QTreeView in list style. Holds its own
// selection model, so pages can read and set the selection through the list
// interface alone.
#include "guidataset/browser/core/CListRowStore.h"
#include "guidataset/browser/core/IDatafolderList.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <vector>

class QItemSelectionModel;
class QWidget;

class CDatafolderListModel final : public QAbstractItemModel, public IDatafolderList {
public:
    // The columns every page layout shares; what the second and third hold
    // depends on the page ("Execution Time" or the table name, ...).
    enum Column { kColumnHostname = 0, kColumnSecond = 1, kColumnThird = 2 };

    explicit CDatafolderListModel(QObject* parent = nullptr);
    ~CDatafolderListModel() override;

    QItemSelectionModel* SelectionModel() const { return m_selection; }
    // Shown before the first cell of every row.
    void SetRowIcon(const QIcon& icon);
    // The view that shows the list: context menus open over it, and it stops
    // drawing while a page refills the list.
    void SetView(QWidget* view) { m_view = view; }

    // Sorts the rows by a column's text (times sort as their text does); the
    // choice is kept and applied again by ApplySort after every fill.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    void ApplySort();
    // Chooses the sort applied by ApplySort, before there are columns to sort.
    void SetSort(int column, Qt::SortOrder order);
    int SortColumn() const { return m_sortColumn; }
    Qt::SortOrder SortOrder() const { return m_sortOrder; }

    // IDatafolderList
    int GetColumnCount() const override { return m_store.ColumnCount(); }
    std::string GetColumnHeading(int column) const override { return m_store.Heading(column); }
    int GetColumnWidth(int column) const override { return m_store.Width(column); }
    void InsertColumn(int column, const std::string& heading, int width) override;
    void DeleteColumn(int column) override;
    int GetItemCount() const override { return m_store.RowCount(); }
    std::string GetItemText(int row, int column) const override { return m_store.Text(row, column); }
    void SetItemText(int row, int column, const std::string& text) override;
    std::string GetItemKey(int row) const override { return m_store.Key(row); }
    void SetItemKey(int row, const std::string& key) override;
    int GetItemImage(int row) const override { return m_store.Image(row); }
    void InsertRows(int position, std::vector<ListRow> rows) override;
    void DeleteItem(int row) override;
    void DeleteAllItems() override;
    std::vector<int> GetSelectedRows() const override;
    void SetRowSelected(int row, bool selected) override;
    void SetRedraw(bool redraw) override;
    int TrackPopupMenu(const CPopupMenu& menu, ScreenPoint point) override;

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    CListRowStore m_store;
    QItemSelectionModel* m_selection = nullptr;
    QIcon m_rowIcon;
    QWidget* m_view = nullptr;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

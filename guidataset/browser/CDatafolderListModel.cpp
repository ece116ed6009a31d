#include "guidataset/browser/CDatafolderListModel.h"

#include "guidataset/browser/CBrowserPopupMenu.h"
#include "guidataset/browser/core/PopupMenuTracker.h"

#include <QItemSelectionModel>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <numeric>

namespace {

// Ignoring case, with runs of digits compared as numbers: "r2" before "r10".
bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const unsigned char ca = static_cast<unsigned char>(a[i]);
        const unsigned char cb = static_cast<unsigned char>(b[j]);
        if (std::isdigit(ca) && std::isdigit(cb)) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && a[ei] == '0')
                ++ei;
            while (ej < b.size() && b[ej] == '0')
                ++ej;
            std::size_t di = ei, dj = ej;
            while (di < a.size() && std::isdigit(static_cast<unsigned char>(a[di])))
                ++di;
            while (dj < b.size() && std::isdigit(static_cast<unsigned char>(b[dj])))
                ++dj;
            if (di - ei != dj - ej)
                return di - ei < dj - ej;
            const int digits = a.compare(ei, di - ei, b, ej, dj - ej);
            if (digits != 0)
                return digits < 0;
            i = di;
            j = dj;
            continue;
        }
        const int fa = std::tolower(ca), fb = std::tolower(cb);
        if (fa != fb)
            return fa < fb;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

QString Text(const std::string& text)
{
    // Names that are no UTF-8 are shown with replacement marks; the row keeps the bytes.
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CDatafolderListModel::CDatafolderListModel(QObject* parent)
    : QAbstractItemModel(parent), m_selection(new QItemSelectionModel(this, this))
{
}

CDatafolderListModel::~CDatafolderListModel() = default;

void CDatafolderListModel::SetRowIcon(const QIcon& icon)
{
    m_rowIcon = icon;
    if (GetItemCount() > 0)
        emit dataChanged(index(0, 0), index(GetItemCount() - 1, 0), {Qt::DecorationRole});
}

void CDatafolderListModel::InsertColumn(int column, const std::string& heading, int width)
{
    column = std::clamp(column, 0, GetColumnCount());
    beginInsertColumns({}, column, column);
    m_store.InsertColumn(column, heading, width);
    endInsertColumns();
}

void CDatafolderListModel::DeleteColumn(int column)
{
    if (column < 0 || column >= GetColumnCount())
        return;
    beginRemoveColumns({}, column, column);
    m_store.DeleteColumn(column);
    endRemoveColumns();
}

void CDatafolderListModel::SetItemText(int row, int column, const std::string& text)
{
    if (m_store.SetText(row, column, text) && column < GetColumnCount())
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void CDatafolderListModel::SetItemKey(int row, const std::string& key)
{
    if (m_store.SetKey(row, key) && GetColumnCount() > 0)
        emit dataChanged(index(row, 0), index(row, 0), {Qt::ToolTipRole});
}

void CDatafolderListModel::InsertRows(int position, std::vector<ListRow> rows)
{
    if (rows.empty())
        return;
    // An empty list takes a whole fill in one reset: a view lays out 50,000
    // new rows far faster than it hears of them as inserted.
    if (GetItemCount() == 0) {
        beginResetModel();
        m_store.InsertRows(0, std::move(rows));
        endResetModel();
        return;
    }
    position = std::clamp(position, 0, GetItemCount());
    beginInsertRows({}, position, position + static_cast<int>(rows.size()) - 1);
    m_store.InsertRows(position, std::move(rows));
    endInsertRows();
}

void CDatafolderListModel::DeleteItem(int row)
{
    if (!m_store.IsRow(row))
        return;
    beginRemoveRows({}, row, row);
    m_store.EraseRow(row);
    endRemoveRows();
}

void CDatafolderListModel::DeleteAllItems()
{
    if (GetItemCount() == 0)
        return;
    beginResetModel();
    m_store.Clear();
    endResetModel();
}

std::vector<int> CDatafolderListModel::GetSelectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_selection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CDatafolderListModel::SetRowSelected(int row, bool selected)
{
    if (!m_store.IsRow(row))
        return;
    m_selection->select(index(row, 0), (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                           QItemSelectionModel::Rows);
    if (selected && !m_selection->currentIndex().isValid())
        m_selection->setCurrentIndex(index(row, 0), QItemSelectionModel::NoUpdate);
}

void CDatafolderListModel::SetRedraw(bool redraw)
{
    if (m_view)
        m_view->setUpdatesEnabled(redraw);
}

int CDatafolderListModel::TrackPopupMenu(const CPopupMenu& menu, ScreenPoint point)
{
    if (IPopupMenuTracker* tracker = IPopupMenuTracker::Installed())
        return tracker->Track(menu, point);
    return CBrowserPopupMenu::Exec(menu, point, m_view);
}

void CDatafolderListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= GetColumnCount())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> byRank(static_cast<std::size_t>(GetItemCount()));
    std::iota(byRank.begin(), byRank.end(), 0);
    std::stable_sort(byRank.begin(), byRank.end(), [&](int a, int b) {
        const std::string& left = m_store.Text(a, column);
        const std::string& right = m_store.Text(b, column);
        return order == Qt::AscendingOrder ? NaturalLess(left, right) : NaturalLess(right, left);
    });
    std::vector<int> newRowOf(byRank.size());
    for (std::size_t i = 0; i < byRank.size(); ++i)
        newRowOf[static_cast<std::size_t>(byRank[i])] = static_cast<int>(i);
    m_store.Reorder(byRank);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRowOf[static_cast<std::size_t>(old.row())], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CDatafolderListModel::SetSort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
}

void CDatafolderListModel::ApplySort()
{
    // Pages rebuild their columns on every fill; the choice of column outlives that.
    if (m_sortColumn >= 0 && m_sortColumn < GetColumnCount())
        sort(m_sortColumn, m_sortOrder);
}

QModelIndex CDatafolderListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || !m_store.IsRow(row) || column < 0 || column >= GetColumnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex CDatafolderListModel::parent(const QModelIndex&) const
{
    return {};
}

int CDatafolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetItemCount();
}

int CDatafolderListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetColumnCount();
}

QVariant CDatafolderListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ListRow& row = m_store.Row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return static_cast<std::size_t>(index.column()) < row.cells.size()
                   ? Text(row.cells[static_cast<std::size_t>(index.column())])
                   : QString();
    case Qt::ToolTipRole:
        // The file behind the row, whatever its cells make of its name.
        return row.key.empty() ? QVariant() : QVariant(Text(row.key));
    case Qt::DecorationRole:
        if (index.column() == kColumnHostname && !m_rowIcon.isNull())
            return m_rowIcon;
        return {};
    default:
        return {};
    }
}

QVariant CDatafolderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= GetColumnCount())
        return {};
    if (role == Qt::DisplayRole)
        return Text(m_store.Heading(section));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags CDatafolderListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

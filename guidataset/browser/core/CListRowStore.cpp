#include "guidataset/browser/core/CListRowStore.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

std::string CListRowStore::Heading(int column) const
{
    return column >= 0 && column < ColumnCount() ? m_columns[static_cast<std::size_t>(column)].heading : kEmpty;
}

int CListRowStore::Width(int column) const
{
    return column >= 0 && column < ColumnCount() ? m_columns[static_cast<std::size_t>(column)].width : 0;
}

int CListRowStore::InsertColumn(int column, const std::string& heading, int width)
{
    column = std::clamp(column, 0, ColumnCount());
    m_columns.insert(m_columns.begin() + column, Column{heading, width});
    return column;
}

bool CListRowStore::DeleteColumn(int column)
{
    if (column < 0 || column >= ColumnCount())
        return false;
    m_columns.erase(m_columns.begin() + column);
    return true;
}

const std::string& CListRowStore::Text(int row, int column) const
{
    if (!IsRow(row) || column < 0)
        return kEmpty;
    const auto& cells = m_rows[static_cast<std::size_t>(row)].cells;
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : kEmpty;
}

bool CListRowStore::SetText(int row, int column, const std::string& text)
{
    if (!IsRow(row) || column < 0)
        return false;
    auto& cells = m_rows[static_cast<std::size_t>(row)].cells;
    if (static_cast<std::size_t>(column) >= cells.size())
        cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
    return true;
}

const std::string& CListRowStore::Key(int row) const
{
    return IsRow(row) ? m_rows[static_cast<std::size_t>(row)].key : kEmpty;
}

bool CListRowStore::SetKey(int row, const std::string& key)
{
    if (!IsRow(row))
        return false;
    m_rows[static_cast<std::size_t>(row)].key = key;
    return true;
}

int CListRowStore::Image(int row) const
{
    return IsRow(row) ? m_rows[static_cast<std::size_t>(row)].image : 0;
}

int CListRowStore::InsertRows(int position, std::vector<ListRow> rows)
{
    position = std::clamp(position, 0, RowCount());
    if (m_rows.empty()) {
        m_rows = std::move(rows);
        return 0;
    }
    m_rows.insert(m_rows.begin() + position, std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    return position;
}

bool CListRowStore::EraseRow(int row)
{
    if (!IsRow(row))
        return false;
    m_rows.erase(m_rows.begin() + row);
    return true;
}

void CListRowStore::Clear()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
}

void CListRowStore::Reorder(const std::vector<int>& order)
{
    std::vector<ListRow> reordered;
    reordered.reserve(order.size());
    for (int old : order)
        reordered.push_back(std::move(m_rows[static_cast<std::size_t>(old)]));
    m_rows = std::move(reordered);
}

#include "guidataset/browser/core/CDatafolderRows.h"

#include "guidataset/browser/core/PopupMenuTracker.h"

namespace {

void AppendCell(std::string& out, const std::string& cell)
{
    for (char c : cell)
        out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

} // namespace

void CDatafolderRows::InsertColumn(int column, const std::string& heading, int width)
{
    m_store.InsertColumn(column, heading, width);
}

void CDatafolderRows::InsertRows(int position, std::vector<ListRow> rows)
{
    const std::size_t count = rows.size();
    position = m_store.InsertRows(position, std::move(rows));
    m_selected.insert(m_selected.begin() + position, count, 0);
}

void CDatafolderRows::DeleteItem(int row)
{
    if (m_store.EraseRow(row))
        m_selected.erase(m_selected.begin() + row);
}

void CDatafolderRows::DeleteAllItems()
{
    m_store.Clear();
    m_selected.clear();
}

std::vector<int> CDatafolderRows::GetSelectedRows() const
{
    std::vector<int> selected;
    for (std::size_t row = 0; row < m_selected.size(); ++row)
        if (m_selected[row])
            selected.push_back(static_cast<int>(row));
    return selected;
}

void CDatafolderRows::SetRowSelected(int row, bool selected)
{
    if (m_store.IsRow(row))
        m_selected[static_cast<std::size_t>(row)] = selected ? 1 : 0;
}

int CDatafolderRows::TrackPopupMenu(const CPopupMenu& menu, ScreenPoint point)
{
    IPopupMenuTracker* tracker = IPopupMenuTracker::Installed();
    return tracker ? tracker->Track(menu, point) : 0;
}

std::string CDatafolderRows::ToText() const
{
    std::string text;
    for (int column = 0; column < GetColumnCount(); ++column) {
        if (column > 0)
            text += '\t';
        AppendCell(text, m_store.Heading(column));
    }
    text += '\n';
    for (int row = 0; row < GetItemCount(); ++row) {
        for (int column = 0; column < GetColumnCount(); ++column) {
            if (column > 0)
                text += '\t';
            AppendCell(text, m_store.Text(row, column));
        }
        text += '\n';
    }
    return text;
}

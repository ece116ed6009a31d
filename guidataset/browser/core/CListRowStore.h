#pragma once
// The columns and rows behind a browser list, kept apart from how the list is
// shown: the item model and the in-memory list both keep theirs here.
#include "guidataset/browser/core/IDatafolderList.h"

#include <string>
#include <vector>

class CListRowStore {
public:
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    // Empty heading and width 0 for a column out of range.
    std::string Heading(int column) const;
    int Width(int column) const;
    // column clamped to 0..ColumnCount(); returns where it went.
    int InsertColumn(int column, const std::string& heading, int width);
    bool DeleteColumn(int column);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    bool IsRow(int row) const { return row >= 0 && row < RowCount(); }
    // Empty for a row or column out of range, or a cell the row does not have.
    const std::string& Text(int row, int column) const;
    bool SetText(int row, int column, const std::string& text);
    const std::string& Key(int row) const;
    bool SetKey(int row, const std::string& key);
    int Image(int row) const;
    const ListRow& Row(int row) const { return m_rows[static_cast<std::size_t>(row)]; }

    // position clamped to 0..RowCount(); returns where the rows went.
    int InsertRows(int position, std::vector<ListRow> rows);
    bool EraseRow(int row);
    void Clear();
    // The rows in a new order: rows[i] becomes the old row order[i].
    void Reorder(const std::vector<int>& order);

private:
    struct Column {
        std::string heading;
        int width = 0;
    };
    std::vector<Column> m_columns;
    std::vector<ListRow> m_rows;
};

#pragma once
// The list a browser page fills and acts on: rows of text cells under
// columns, a selection, and a context menu. The browser's list model
// implements it over a real view; CDatafolderRows keeps rows in memory for
// twdata and for page tests without widgets.
#include "guidataset/browser/core/ScreenPoint.h"

#include <string>
#include <vector>

class CPopupMenu;

// One row as a page builds it. key is the name of the file the row stands
// for, exactly as the directory search gave it; the cells are what the user
// reads.
struct ListRow {
    std::vector<std::string> cells;
    int image = 0;
    std::string key;
};

class IDatafolderList {
public:
    virtual ~IDatafolderList() = default;

    virtual int GetColumnCount() const = 0;
    virtual std::string GetColumnHeading(int column) const = 0;
    virtual int GetColumnWidth(int column) const = 0;
    // Left-aligned column inserted before column (or at the end).
    virtual void InsertColumn(int column, const std::string& heading, int width) = 0;
    virtual void DeleteColumn(int column) = 0;

    virtual int GetItemCount() const = 0;
    // Empty for a row or column out of range.
    virtual std::string GetItemText(int row, int column) const = 0;
    virtual void SetItemText(int row, int column, const std::string& text) = 0;
    virtual std::string GetItemKey(int row) const = 0;
    virtual void SetItemKey(int row, const std::string& key) = 0;
    virtual int GetItemImage(int row) const = 0;
    // Inserts rows before position (clamped to the row count), keeping their
    // order, in one step however many they are.
    virtual void InsertRows(int position, std::vector<ListRow> rows) = 0;
    virtual void DeleteItem(int row) = 0;
    virtual void DeleteAllItems() = 0;

    // Selected rows in list order.
    virtual std::vector<int> GetSelectedRows() const = 0;
    virtual void SetRowSelected(int row, bool selected) = 0;

    // Drawing is suspended while a page refills the list, and resumed here.
    virtual void SetRedraw(bool redraw) = 0;

    // Shows menu at point as the list's own context menu; the chosen command
    // id, 0 when dismissed.
    virtual int TrackPopupMenu(const CPopupMenu& menu, ScreenPoint point) = 0;

    // Conveniences over the operations above.
    int GetSelectedCount() const { return static_cast<int>(GetSelectedRows().size()); }
    // The first selected row, -1 when none.
    int GetFirstSelected() const
    {
        const std::vector<int> rows = GetSelectedRows();
        return rows.empty() ? -1 : rows.front();
    }
};

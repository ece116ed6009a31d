#pragma once
// A page's list held in memory, without a window: what twdata prints, and
// what page tests read. Its context menu goes to the installed
// IPopupMenuTracker (none installed: dismissed).
#include "guidataset/browser/core/CListRowStore.h"
#include "guidataset/browser/core/IDatafolderList.h"

#include <vector>

class CDatafolderRows final : public IDatafolderList {
public:
    int GetColumnCount() const override { return m_store.ColumnCount(); }
    std::string GetColumnHeading(int column) const override { return m_store.Heading(column); }
    int GetColumnWidth(int column) const override { return m_store.Width(column); }
    void InsertColumn(int column, const std::string& heading, int width) override;
    void DeleteColumn(int column) override { m_store.DeleteColumn(column); }

    int GetItemCount() const override { return m_store.RowCount(); }
    std::string GetItemText(int row, int column) const override { return m_store.Text(row, column); }
    void SetItemText(int row, int column, const std::string& text) override { m_store.SetText(row, column, text); }
    std::string GetItemKey(int row) const override { return m_store.Key(row); }
    void SetItemKey(int row, const std::string& key) override { m_store.SetKey(row, key); }
    int GetItemImage(int row) const override { return m_store.Image(row); }
    void InsertRows(int position, std::vector<ListRow> rows) override;
    void DeleteItem(int row) override;
    void DeleteAllItems() override;

    std::vector<int> GetSelectedRows() const override;
    void SetRowSelected(int row, bool selected) override;

    void SetRedraw(bool redraw) override { m_redraw = redraw; }
    bool IsRedrawOn() const { return m_redraw; }

    int TrackPopupMenu(const CPopupMenu& menu, ScreenPoint point) override;

    // The rows as tab-separated lines, the column headings first; every line
    // ends in '\n'. Tabs and line breaks inside a cell are written as blanks.
    std::string ToText() const;

private:
    CListRowStore m_store;
    std::vector<char> m_selected;   // one flag per row
    bool m_redraw = true;
};

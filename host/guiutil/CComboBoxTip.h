#pragma once
// The host's combo box with tips: a QComboBox that speaks in the terms the
// DataFolder pickers are written in (item index, item data, last selection,
// tooltip of the selected item). Item data is a tagDataSetInfo pointer that
// the combo box only carries: whoever fills it frees the records.
//
// Unlike a bare QComboBox, inserting into or deleting from the list never
// selects an item by itself: a list without a selection keeps none, and
// deleting the selected item leaves no selection.
#include <QComboBox>

#include <string>

struct tagDataSetInfo;

class CComboBoxTip : public QComboBox {
    Q_OBJECT
public:
    // Code of the selection-change notification handed to the parent.
    static constexpr int kSelChangeCode = 1;

    explicit CComboBoxTip(QWidget* parent = nullptr);
    ~CComboBoxTip() override;

    int GetCount() const;
    // -1 when nothing is selected.
    int GetCurSel() const;
    // -1 clears the selection; an index outside the list does the same.
    void SetCurSel(int index);

    // Null for an index outside the list or an item without a record.
    tagDataSetInfo* GetItemRecord(int index) const;
    // Also gives the item the tooltip of an unavailable linked DataFolder.
    void SetItemRecord(int index, tagDataSetInfo* record);

    std::string GetLBText(int index) const;
    // pos -1 or beyond the end appends; returns the new item's index.
    int InsertString(int pos, const std::string& text);
    int AddString(const std::string& text);
    // The record of the item is not freed. Returns the remaining count, -1 when index is bad.
    int DeleteString(int index);
    // Empties the list (records are not freed) and clears the selection.
    void ResetContent();
    // First item after startAfter whose text equals text (ignoring case unless
    // matchCase), -1 when none.
    int FindStringExact(const std::string& text, int startAfter = -1,
                        bool matchCase = false) const;

    // Text of the edit field; on a drop-down list it is shown while nothing is selected.
    void SetEditText(const std::string& text);
    void ClearEditText();
    std::string GetEditText() const;

    // The last selection, restored when a command item ("New...", "More...") is cancelled.
    void RecordLastSel();
    int GetLastSel() const { return m_lastSel; }
    void SetLastSel(int index) { m_lastSel = index; }
    // Re-selects the recorded selection.
    void ResetLastSel();

    // on: the tooltip shows the selected item's text; off: no tooltip.
    void SetCurToolTipText(bool on);
    void SetToolTipText(const std::string& text);
    std::string GetToolTipText() const;

    // Tells the parent that the selection changed (emits selectionChangeNotified with the
    // control's id), after the picker has dealt with the choice.
    void NotifySelectionChange();

signals:
    void selectionChangeNotified(int controlId);

private:
    int m_lastSel = -1;
};

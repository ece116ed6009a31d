#include "host/guiutil/CComboBoxTip.h"

#include "host/util/TWDataSet.h"
#include "platform/qt/ControlId.h"

#include <QLineEdit>
#include <QVariant>

namespace {
// Item data lives beside the text; Qt::UserRole is free for callers' display data.
constexpr int kRecordRole = Qt::UserRole + 1;
}

CComboBoxTip::CComboBoxTip(QWidget* parent) : QComboBox(parent) {}

CComboBoxTip::~CComboBoxTip() = default;

int CComboBoxTip::GetCount() const { return count(); }

int CComboBoxTip::GetCurSel() const { return currentIndex(); }

void CComboBoxTip::SetCurSel(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

tagDataSetInfo* CComboBoxTip::GetItemRecord(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return reinterpret_cast<tagDataSetInfo*>(itemData(index, kRecordRole).value<quintptr>());
}

void CComboBoxTip::SetItemRecord(int index, tagDataSetInfo* record)
{
    if (index < 0 || index >= count())
        return;
    setItemData(index, QVariant::fromValue(reinterpret_cast<quintptr>(record)), kRecordRole);
    // The item of a link whose disk is away says so when pointed at.
    const std::string note = record ? TWDataSet::UnavailableNote(*record) : std::string();
    setItemData(index, note.empty() ? QVariant() : QVariant(QString::fromStdString(note)), Qt::ToolTipRole);
}

std::string CComboBoxTip::GetLBText(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return itemText(index).toStdString();
}

int CComboBoxTip::InsertString(int pos, const std::string& text)
{
    const bool hadSelection = currentIndex() >= 0;
    const int index = pos < 0 || pos >= count() ? count() : pos;
    insertItem(index, QString::fromStdString(text));
    // QComboBox selects the first item put into an empty list; a list box does not.
    if (!hadSelection && currentIndex() >= 0)
        setCurrentIndex(-1);
    return index;
}

int CComboBoxTip::AddString(const std::string& text) { return InsertString(-1, text); }

int CComboBoxTip::DeleteString(int index)
{
    if (index < 0 || index >= count())
        return -1;
    const bool wasSelected = index == currentIndex();
    removeItem(index);
    // QComboBox moves the selection to a neighbour; the pickers decide that themselves.
    if (wasSelected)
        setCurrentIndex(-1);
    return count();
}

void CComboBoxTip::ResetContent()
{
    clear();
    setCurrentIndex(-1);
}

int CComboBoxTip::FindStringExact(const std::string& text, int startAfter, bool matchCase) const
{
    const int n = count();
    if (n == 0)
        return -1;
    const QString wanted = QString::fromStdString(text);
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int first = startAfter >= 0 && startAfter < n ? startAfter + 1 : 0;
    // Searches to the end, then wraps round to the start, as a list box does.
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        if (itemText(i).compare(wanted, cs) == 0)
            return i;
    }
    return -1;
}

void CComboBoxTip::SetEditText(const std::string& text)
{
    if (isEditable())
        setEditText(QString::fromStdString(text));
    else
        setPlaceholderText(QString::fromStdString(text));
}

void CComboBoxTip::ClearEditText() { SetEditText({}); }

std::string CComboBoxTip::GetEditText() const
{
    if (isEditable() && lineEdit())
        return lineEdit()->text().toStdString();
    return currentIndex() >= 0 ? currentText().toStdString() : placeholderText().toStdString();
}

void CComboBoxTip::RecordLastSel() { m_lastSel = GetCurSel(); }

void CComboBoxTip::ResetLastSel() { SetCurSel(m_lastSel); }

void CComboBoxTip::SetCurToolTipText(bool on)
{
    setToolTip(on && currentIndex() >= 0 ? currentText() : QString());
}

void CComboBoxTip::SetToolTipText(const std::string& text)
{
    setToolTip(QString::fromStdString(text));
}

std::string CComboBoxTip::GetToolTipText() const { return toolTip().toStdString(); }

void CComboBoxTip::NotifySelectionChange()
{
    emit selectionChangeNotified(platform::ControlId(this));
}

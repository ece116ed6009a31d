#include "apps/workstation/viewers/CTableFilterProxy.h"

#include "apps/workstation/viewers/CTableFileModel.h"
#include "apps/workstation/viewers/TextSearch.h"

namespace workstation {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

CTableFilterProxy::CTableFilterProxy(QObject* parent) : QSortFilterProxyModel(parent) {}

void CTableFilterProxy::SetTable(CTableFileModel* model)
{
    m_table = model;
    setSourceModel(model);
}

void CTableFilterProxy::SetFilterText(const QString& text)
{
    std::string filter = text.trimmed().toStdString();
    if (filter == m_filter)
        return;
    m_filter = std::move(filter);
    invalidateRowsFilter();
}

int CTableFilterProxy::NaturalCompare(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Compare digit runs by value: skip leading zeros, then the
            // longer run is the bigger number, else the first differing digit.
            std::size_t ai = i;
            std::size_t bj = j;
            while (ai < a.size() && a[ai] == '0')
                ++ai;
            while (bj < b.size() && b[bj] == '0')
                ++bj;
            std::size_t ae = ai;
            std::size_t be = bj;
            while (ae < a.size() && IsDigit(a[ae]))
                ++ae;
            while (be < b.size() && IsDigit(b[be]))
                ++be;
            if (ae - ai != be - bj)
                return ae - ai < be - bj ? -1 : 1;
            for (std::size_t k = 0; k < ae - ai; ++k)
                if (a[ai + k] != b[bj + k])
                    return a[ai + k] < b[bj + k] ? -1 : 1;
            i = ae;
            j = be;
            continue;
        }
        const char ca = Lower(a[i]);
        const char cb = Lower(b[j]);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    // Equal but for case or leading zeros: the bytes decide, for a stable order.
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

bool CTableFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (m_filter.empty() || !m_table)
        return true;
    const int columns = m_table->columnCount();
    for (int column = 0; column < columns; ++column)
        if (FindIgnoringCase(m_table->Cell(sourceRow, column), m_filter) != std::string_view::npos)
            return true;
    return false;
}

bool CTableFilterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (!m_table)
        return QSortFilterProxyModel::lessThan(left, right);
    return NaturalCompare(m_table->Cell(left.row(), left.column()), m_table->Cell(right.row(), right.column())) < 0;
}

} // namespace workstation

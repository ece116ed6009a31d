#include "apps/workstation/viewers/CTableFilterProxy.h"

#include "apps/workstation/viewers/CTableFileModel.h"
#include "apps/workstation/viewers/TextSearch.h"

namespace workstation {

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

void CTableFilterProxy::sort(int column, Qt::SortOrder order)
{
    if (m_table)
        m_table->sort(column, order);
}

} // namespace workstation

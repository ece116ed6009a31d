#include "apps/workstation/viewers/TableGrid.h"

#include <QHeaderView>
#include <QTableView>

namespace workstation {

void StyleTableGrid(QTableView& table, int widthProbeRows)
{
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setWordWrap(false);
    table.setShowGrid(false);
    table.verticalHeader()->hide();
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
    table.horizontalHeader()->setHighlightSections(false);
    table.horizontalHeader()->setStretchLastSection(true);
    table.horizontalHeader()->setResizeContentsPrecision(widthProbeRows);
}

} // namespace workstation

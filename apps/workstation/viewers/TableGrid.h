#pragma once
// The look of the viewers' row lists: whole rows selected, read-only, one
// line per row without grid lines, the last column taking the rest.
class QTableView;

namespace workstation {

// widthProbeRows: column widths come from this many rows at most, as
// measuring every row of a long table would cost more than loading it.
void StyleTableGrid(QTableView& table, int widthProbeRows);

} // namespace workstation

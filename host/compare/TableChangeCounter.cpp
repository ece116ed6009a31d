#include "host/compare/TableChangeCounter.h"

#include "host/netutil/TableFile.h"

#include <algorithm>
#include <vector>

namespace {

bool ReadTable(const std::string& path, TableFile::Row& header, std::vector<TableFile::Row>& rows,
               std::string& error)
{
    if (TableFile::Read(path, header, rows))
        return true;
    error = path + " cannot be read as a table.";
    return false;
}

} // namespace

// Rows are matched whole: a row found in one table only is added or removed.
bool CTableChangeCounter::Count(CompareKind, const std::string& first, const std::string& second, Counts& counts,
                                std::string& error)
{
    TableFile::Row headerA, headerB;
    std::vector<TableFile::Row> a, b;
    if (!ReadTable(first, headerA, a, error) || !ReadTable(second, headerB, b, error))
        return false;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    std::vector<TableFile::Row> onlyA, onlyB;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(onlyA));
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(onlyB));
    counts = {onlyB.size(), onlyA.size(), 0};
    return true;
}

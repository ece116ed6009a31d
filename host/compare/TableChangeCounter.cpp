#include "host/compare/TableChangeCounter.h"

#include "host/netutil/CKeyedTableCompare.h"

bool CTableChangeCounter::Count(const std::string& firstPath, const std::string& firstText,
                                const std::string& secondPath, const std::string& secondText, Counts& counts,
                                std::string& error)
{
    const KeyedTableDiff diff =
        CKeyedTableCompare::CompareText(firstPath, firstText, secondPath, secondText, CKeyedTableCompare::Options());
    if (!diff.ok) {
        error = diff.error;
        return false;
    }
    counts.added = diff.Count(KeyedChangeKind::Added);
    counts.removed = diff.Count(KeyedChangeKind::Removed);
    counts.changed = diff.Count(KeyedChangeKind::Changed);
    return true;
}

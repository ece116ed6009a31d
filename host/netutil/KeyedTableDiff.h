#pragma once
// The result of comparing two parsed tables of one kind by their keys
// (CKeyedTableCompare): which keys were added, removed or changed, and for a
// changed key which columns changed from what to what.
#include "host/netutil/CTableKeys.h"

#include <cstddef>
#include <string>
#include <vector>

enum class KeyedChangeKind { Added, Removed, Changed };

// One column of a compared row. For an added row oldValue is empty, for a
// removed one newValue; a changed row lists only the columns that changed.
struct KeyedCellChange {
    std::string column;     // a column of the table, or "nexthops" for a route's next hops
    std::string oldValue;
    std::string newValue;
    bool ignored = false;   // a column that changes on every capture (uptime, age)
};

struct KeyedRowChange {
    KeyedChangeKind kind = KeyedChangeKind::Changed;
    std::vector<std::string> key;         // the cells of the key columns, in their order
    std::vector<KeyedCellChange> cells;   // added and removed: every column but the key
    std::size_t firstLine = 0;            // 1-based line in the first table (0: not there)
    std::size_t secondLine = 0;           // the same in the second table
    bool duplicate = false;               // the key occurs more than once in a table
};

// A key found on more than one row of one table (for route tables: one next
// hop listed twice). Every such row still takes part in the comparison: the
// n-th occurrence in one table is paired with the n-th in the other.
struct KeyedDuplicate {
    int table = 1;                   // 1: the first table, 2: the second
    std::vector<std::string> key;
    std::vector<std::size_t> lines;  // 1-based lines holding it
};

struct KeyedTableDiff {
    // False when the two tables could not be compared; error says why, in
    // one sentence for the user, and nothing else is filled in.
    bool ok = false;
    std::string error;
    // Rows left out of the comparison (too few or too many cells, a last line
    // cut short), one sentence each; the comparison of the rest stands.
    std::vector<std::string> warnings;

    KeyedTableKind kind = KeyedTableKind::Route;
    std::vector<std::string> keyColumns;
    std::vector<KeyedRowChange> changes;   // in key order (numbers within the text by value)
    std::vector<KeyedDuplicate> duplicates;
    std::size_t firstKeys = 0;             // keys of each table (a route counts once)
    std::size_t secondKeys = 0;
    std::size_t unchanged = 0;             // keys present in both and equal

    std::size_t Count(KeyedChangeKind which) const
    {
        std::size_t n = 0;
        for (const KeyedRowChange& change : changes)
            n += change.kind == which ? 1 : 0;
        return n;
    }
    bool Differs() const { return !changes.empty(); }
};

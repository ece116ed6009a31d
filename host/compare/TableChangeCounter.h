#pragma once
// How many rows of one table file of a kind were added, removed and changed
// in another.
#include "host/compare/CompareKind.h"

#include <cstddef>
#include <string>

class CTableChangeCounter {
public:
    struct Counts {
        std::size_t added = 0;
        std::size_t removed = 0;
        std::size_t changed = 0;
        bool Any() const { return added + removed + changed != 0; }
    };
    // False, with error set, when either file cannot be read as a table.
    static bool Count(CompareKind kind, const std::string& first, const std::string& second, Counts& counts,
                      std::string& error);
};

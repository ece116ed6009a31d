#pragma once
// "twdata compare-tables": two parsed tables of one kind compared by their
// keys and printed as tab-separated text, header first. Exits like diff:
// 0 the same, 1 different, 2 trouble (a table that cannot be compared, or
// rows of one that had to be left out). Needs no project.
#include <iosfwd>
#include <string>

struct KeyedTableDiff;

namespace twdata {

class CompareTablesCommand {
public:
    CompareTablesCommand(std::ostream& out, std::ostream& err);

    int Run(const std::string& first, const std::string& second, bool includeIgnored);

    // The printed text: "change", the key columns, "column", "old", "new";
    // a changed key takes one line per changed column, an added or removed
    // one a single line holding its other columns as "name=value; ...".
    static std::string Format(const KeyedTableDiff& diff);

private:
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata

#include "apps/twdata/CompareTablesCommand.h"

#include "apps/twdata/ExitStatus.h"

#include "host/netutil/CKeyedTableCompare.h"
#include "host/netutil/TableFile.h"

#include <ostream>

namespace twdata {

namespace {

constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

} // namespace

CompareTablesCommand::CompareTablesCommand(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

std::string CompareTablesCommand::Format(const KeyedTableDiff& diff)
{
    std::string text;
    std::vector<std::string_view> header{"change"};
    header.insert(header.end(), diff.keyColumns.begin(), diff.keyColumns.end());
    header.insert(header.end(), {"column", "old", "new"});
    TableFile::Row row(header.begin(), header.end());
    TableFile::AppendLine(text, row, row.size());
    for (const KeyedRowChange& change : diff.changes) {
        row.assign(1, CKeyedTableCompare::KindName(change.kind));
        row.insert(row.end(), change.key.begin(), change.key.end());
        if (change.kind == KeyedChangeKind::Changed) {
            for (const KeyedCellChange& cell : change.cells) {
                row.resize(1 + change.key.size());
                row.insert(row.end(), {cell.column, cell.oldValue, cell.newValue});
                TableFile::AppendLine(text, row, row.size());
            }
            continue;
        }
        const std::string summary = CKeyedTableCompare::Summary(change);
        row.insert(row.end(), {std::string(), change.kind == KeyedChangeKind::Removed ? summary : std::string(),
                               change.kind == KeyedChangeKind::Added ? summary : std::string()});
        TableFile::AppendLine(text, row, row.size());
    }
    return text;
}

int CompareTablesCommand::Run(const std::string& first, const std::string& second, bool includeIgnored)
{
    CKeyedTableCompare::Options options;
    options.includeIgnored = includeIgnored;
    const KeyedTableDiff diff = CKeyedTableCompare::CompareFiles(first, second, options);
    if (!diff.ok) {
        m_err << diff.error << '\n';
        return kExitTrouble;
    }
    m_out << Format(diff);
    for (const KeyedDuplicate& duplicate : diff.duplicates)
        m_err << CKeyedTableCompare::DuplicateText(diff.kind, duplicate,
                                                   "'" + (duplicate.table == 1 ? first : second) + "'")
              << '\n';
    for (const std::string& warning : diff.warnings)
        m_err << warning << '\n';
    if (!diff.warnings.empty())
        return kExitTrouble;
    return diff.Differs() ? kExitDifferent : kExitDone;
}

} // namespace twdata

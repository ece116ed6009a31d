#include "CKeyedTableCompare.h"

#include "host/util/TWDataSet.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

// Messages name at most this many faulty lines of one table, then count the rest.
constexpr std::size_t kMaxLineWarnings = 10;
// A header quoted in a message is cut here.
constexpr std::size_t kMaxQuotedHeader = 120;

using Cells = std::vector<std::string_view>;

void SplitTabs(std::string_view line, Cells& cells)
{
    cells.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            cells.push_back(line.substr(start));
            return;
        }
        cells.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out += separator;
        out += parts[i];
    }
    return out;
}

std::string QuotedHeader(const std::vector<std::string>& header)
{
    std::string text = Join(header, ", ");
    if (text.size() > kMaxQuotedHeader)
        text = text.substr(0, kMaxQuotedHeader) + "...";
    return "'" + text + "'";
}

std::string WithArticle(const std::string& title)
{
    // "an ARP table", "an interface table", "a route table"
    const char first = title.empty() ? ' ' : title[0];
    return (std::strchr("AEIOUaeiou", first) ? "an " : "a ") + title;
}

// Digit runs compare by value, so 10.0.0.9 comes before 10.0.0.10 and Gi1/0/2 before Gi1/0/10.
int NaturalCompare(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const bool da = a[i] >= '0' && a[i] <= '9';
        const bool db = b[j] >= '0' && b[j] <= '9';
        if (da && db) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && a[ei] == '0')
                ++ei;
            while (ej < b.size() && b[ej] == '0')
                ++ej;
            std::size_t ni = ei;
            std::size_t nj = ej;
            while (ni < a.size() && a[ni] >= '0' && a[ni] <= '9')
                ++ni;
            while (nj < b.size() && b[nj] >= '0' && b[nj] <= '9')
                ++nj;
            if (ni - ei != nj - ej)
                return ni - ei < nj - ej ? -1 : 1;
            if (const int c = a.substr(ei, ni - ei).compare(b.substr(ej, nj - ej)); c != 0)
                return c < 0 ? -1 : 1;
            i = ni;
            j = nj;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);   // equal by value: a stable order still
}

bool KeyLess(const KeyedRowChange& x, const KeyedRowChange& y)
{
    for (std::size_t i = 0; i < x.key.size() && i < y.key.size(); ++i)
        if (const int c = NaturalCompare(x.key[i], y.key[i]); c != 0)
            return c < 0;
    if (x.key.size() != y.key.size())
        return x.key.size() < y.key.size();
    // One key's removed rows before its added ones, each in file order.
    if (x.kind != y.kind)
        return static_cast<int>(x.kind) > static_cast<int>(y.kind);
    return std::max(x.firstLine, x.secondLine) < std::max(y.firstLine, y.secondLine);
}

// One table file: its header, then every row with exactly the header's cell
// count, kept as its line (split again where a change needs its cells).
struct Table {
    struct Entry {
        std::string_view key;
        std::uint32_t row;
    };

    std::string name;
    std::string text;
    std::size_t bodyStart = 0;             // where the line after the header starts
    std::vector<std::string> header;
    std::size_t columns = 0;
    std::vector<std::string_view> lines;   // row r's whole line
    std::vector<std::uint32_t> lineNumbers;
    std::string keyText;                   // every row's key, one after the other
    std::vector<Entry> order;              // rows by key, then by line

    std::size_t Rows() const { return lines.size(); }
    std::string_view Cell(std::size_t row, std::size_t column) const
    {
        Cells cells;
        SplitTabs(lines[row], cells);
        return cells[column];
    }
};

// Reads the header line; false with error set when there is no table at all.
bool ReadHeader(Table& table, std::string& error)
{
    const std::string_view text(table.text);
    if (text.empty()) {
        error = "The table '" + table.name + "' is empty: it holds not even its header line.";
        return false;
    }
    if (std::memchr(text.data(), '\0', text.size())) {
        error = "The file '" + table.name + "' is a binary file, not a table, and cannot be compared.";
        return false;
    }
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    table.bodyStart = lf == std::string_view::npos ? text.size() : lf + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.empty()) {
        error = "The table '" + table.name + "' has no header line naming its columns.";
        return false;
    }
    Cells cells;
    SplitTabs(line, cells);
    table.header.assign(cells.begin(), cells.end());
    table.columns = cells.size();
    return true;
}

// The table's kind: from its extension when it has a known one (and then the
// header must be that kind's), else from its header.
const CTableKeys* KindOf(const Table& table, std::string& error)
{
    if (const CTableKeys* byName = CTableKeys::FromPath(table.name)) {
        if (table.header == byName->Columns())
            return byName;
        error = "The table '" + table.name + "' is not " + WithArticle(byName->Title()) +
                " as its name says: its header reads " + QuotedHeader(table.header) + " where " +
                WithArticle(byName->Title()) + " has " + QuotedHeader(byName->Columns()) + ".";
        return nullptr;
    }
    if (const CTableKeys* byHeader = CTableKeys::FromHeader(table.header))
        return byHeader;
    error = "The file '" + table.name + "' is not a table the workstation compares: its header " +
            QuotedHeader(table.header) + " is not that of a route, ARP, MAC, CDP or interface table.";
    return nullptr;
}

std::vector<std::size_t> IndexesOf(const CTableKeys& keys, const std::vector<std::string>& columns)
{
    std::vector<std::size_t> indexes;
    for (const std::string& column : columns)
        indexes.push_back(static_cast<std::size_t>(
            std::find(keys.Columns().begin(), keys.Columns().end(), column) - keys.Columns().begin()));
    return indexes;
}

void AppendKey(std::string& keyText, const Cells& cells, const CTableKeys& keys,
               const std::vector<std::size_t>& keyIndexes)
{
    for (std::size_t k = 0; k < keyIndexes.size(); ++k) {
        if (k)
            keyText += '\t';   // a cell never holds a tab
        const std::size_t at = keyText.size();
        keyText.append(cells[keyIndexes[k]]);
        if (keys.KeyIgnoresCase(keys.KeyColumns()[k]))
            for (std::size_t i = at; i < keyText.size(); ++i)
                if (keyText[i] >= 'A' && keyText[i] <= 'Z')
                    keyText[i] = static_cast<char>(keyText[i] - 'A' + 'a');
    }
}

// Reads the rows after the header with their keys, and orders them by key.
// Rows that cannot be read are named in warnings and left out.
void ReadRows(Table& table, const CTableKeys& keys, const std::vector<std::size_t>& keyIndexes,
              std::vector<std::string>& warnings)
{
    const std::string_view text(table.text);
    std::size_t faulty = 0;
    const auto warn = [&](const std::string& sentence) {
        if (++faulty <= kMaxLineWarnings)
            warnings.push_back(sentence);
    };
    const std::size_t estimate = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    table.lines.reserve(estimate);
    table.lineNumbers.reserve(estimate);
    table.keyText.reserve(estimate * 20);
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    spans.reserve(estimate);
    Cells cells;
    std::size_t pos = table.bodyStart;
    std::uint32_t lineNumber = 1;
    while (pos < text.size()) {
        const std::size_t lf = text.find('\n', pos);
        const bool cut = lf == std::string_view::npos;
        std::string_view line = text.substr(pos, cut ? std::string_view::npos : lf - pos);
        pos = cut ? text.size() : lf + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (cut) {
            warn("The last line (" + std::to_string(lineNumber) + ") of '" + table.name +
                 "' ends without a line end: the table is cut short there, and that row is left out.");
            break;
        }
        SplitTabs(line, cells);
        if (cells.size() != table.columns) {
            warn("Line " + std::to_string(lineNumber) + " of '" + table.name + "' has " +
                 std::to_string(cells.size()) + " of the " + std::to_string(table.columns) +
                 " columns and is left out.");
            continue;
        }
        const std::size_t from = table.keyText.size();
        AppendKey(table.keyText, cells, keys, keyIndexes);
        spans.emplace_back(from, table.keyText.size() - from);
        table.lines.push_back(line);
        table.lineNumbers.push_back(lineNumber);
    }
    if (faulty > kMaxLineWarnings)
        warnings.push_back(std::to_string(faulty - kMaxLineWarnings) + " more lines of '" + table.name +
                           "' are left out for the same reasons.");

    const std::string_view keyText(table.keyText);
    table.order.resize(spans.size());
    for (std::size_t r = 0; r < spans.size(); ++r)
        table.order[r] = {keyText.substr(spans[r].first, spans[r].second), static_cast<std::uint32_t>(r)};
    std::sort(table.order.begin(), table.order.end(), [](const Table::Entry& a, const Table::Entry& b) {
        const int c = a.key.compare(b.key);
        return c != 0 ? c < 0 : a.row < b.row;
    });
}

// The compared values of one key: a row's own cells, or a route's rows
// folded into one record with its next hops as one set.
struct Record {
    std::vector<std::string> values;   // one per reported column
    std::size_t line = 0;
};

class Comparison {
public:
    Comparison(const CTableKeys& keys, const CKeyedTableCompare::Options& options, Table& first, Table& second,
               KeyedTableDiff& diff)
        : m_keys(keys), m_options(options), m_first(first), m_second(second), m_diff(diff)
    {
        const std::vector<std::string>& columns = keys.Columns();
        m_keyIndexes = IndexesOf(keys, keys.KeyColumns());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (keys.IsKey(columns[c]))
                continue;
            if (keys.IsGroup(columns[c])) {
                m_groupIndexes.push_back(c);
                if (m_groupIndexes.size() == 1) {
                    m_reported.push_back(CTableKeys::kGroupColumnName);
                    m_sources.push_back(kGroupSource);
                }
                continue;
            }
            m_reported.push_back(columns[c]);
            m_sources.push_back(c);
        }
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (!keys.IsKey(columns[c]) && (options.includeIgnored || !keys.IsIgnored(columns[c])))
                m_compared.push_back(c);
    }

    void Run()
    {
        std::size_t i = 0;
        std::size_t j = 0;
        const std::size_t n1 = m_first.Rows();
        const std::size_t n2 = m_second.Rows();
        while (i < n1 || j < n2) {
            const std::size_t endI = i < n1 ? RunEnd(m_first, i) : i;
            const std::size_t endJ = j < n2 ? RunEnd(m_second, j) : j;
            int c = 0;
            if (i >= n1)
                c = 1;
            else if (j >= n2)
                c = -1;
            else
                c = m_first.order[i].key.compare(m_second.order[j].key);
            if (c < 0) {
                Only(m_first, i, endI, KeyedChangeKind::Removed, 1);
                i = endI;
            } else if (c > 0) {
                Only(m_second, j, endJ, KeyedChangeKind::Added, 2);
                j = endJ;
            } else {
                Both(i, endI, j, endJ);
                i = endI;
                j = endJ;
            }
        }
        std::sort(m_diff.changes.begin(), m_diff.changes.end(), KeyLess);
    }

private:
    static constexpr std::size_t kGroupSource = static_cast<std::size_t>(-1);

    bool Grouped() const { return !m_groupIndexes.empty(); }

    static std::size_t RunEnd(const Table& table, std::size_t from)
    {
        const std::string_view key = table.order[from].key;
        std::size_t end = from + 1;
        while (end < table.Rows() && table.order[end].key == key)
            ++end;
        return end;
    }

    std::vector<std::string> KeyCells(const Table& table, std::uint32_t row) const
    {
        std::vector<std::string> key;
        for (std::size_t index : m_keyIndexes)
            key.emplace_back(table.Cell(row, index));
        return key;
    }

    void NoteDuplicate(const Table& table, std::size_t from, std::size_t to, int which)
    {
        KeyedDuplicate duplicate;
        duplicate.table = which;
        duplicate.key = KeyCells(table, table.order[from].row);
        for (std::size_t k = from; k < to; ++k)
            duplicate.lines.push_back(table.lineNumbers[table.order[k].row]);
        m_diff.duplicates.push_back(std::move(duplicate));
    }

    std::string Hop(const Table& table, std::uint32_t row) const
    {
        std::string hop;
        for (std::size_t index : m_groupIndexes) {
            const std::string_view cell = table.Cell(row, index);
            if (cell.empty())
                continue;
            if (!hop.empty())
                hop += ' ';
            hop.append(cell);
        }
        return hop;
    }

    // The record of rows [from, to) of the sorted order: one row, or a whole route.
    Record MakeRecord(const Table& table, std::size_t from, std::size_t to) const
    {
        Record record;
        record.line = table.lineNumbers[table.order[from].row];
        for (std::size_t source : m_sources) {
            std::vector<std::string> distinct;
            for (std::size_t k = from; k < to; ++k) {
                const std::uint32_t row = table.order[k].row;
                distinct.push_back(source == kGroupSource ? Hop(table, row) : std::string(table.Cell(row, source)));
            }
            std::sort(distinct.begin(), distinct.end(),
                      [](const std::string& a, const std::string& b) { return NaturalCompare(a, b) < 0; });
            distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
            record.values.push_back(Join(distinct, ", "));
        }
        return record;
    }

    // A route that lists one next hop twice.
    void CheckHops(const Table& table, std::size_t from, std::size_t to, int which)
    {
        if (to - from < 2)
            return;
        std::vector<std::string> hops;
        for (std::size_t k = from; k < to; ++k)
            hops.push_back(Hop(table, table.order[k].row));
        std::sort(hops.begin(), hops.end());
        if (std::adjacent_find(hops.begin(), hops.end()) != hops.end())
            NoteDuplicate(table, from, to, which);
    }

    bool Reported(std::size_t column) const
    {
        return m_options.includeIgnored || !m_keys.IsIgnored(m_reported[column]);
    }

    void Only(const Table& table, std::size_t from, std::size_t to, KeyedChangeKind kind, int which)
    {
        if (Grouped()) {
            CheckHops(table, from, to, which);
            Emit(kind, KeyCells(table, table.order[from].row), MakeRecord(table, from, to), false);
            return;
        }
        if (to - from > 1)
            NoteDuplicate(table, from, to, which);
        for (std::size_t k = from; k < to; ++k)
            Emit(kind, KeyCells(table, table.order[k].row), MakeRecord(table, k, k + 1), to - from > 1);
    }

    void Emit(KeyedChangeKind kind, std::vector<std::string> key, const Record& record, bool duplicate)
    {
        KeyedRowChange change;
        change.kind = kind;
        change.key = std::move(key);
        change.duplicate = duplicate;
        (kind == KeyedChangeKind::Added ? change.secondLine : change.firstLine) = record.line;
        for (std::size_t c = 0; c < m_reported.size(); ++c) {
            if (!Reported(c))
                continue;
            KeyedCellChange cell;
            cell.column = m_reported[c];
            cell.ignored = m_keys.IsIgnored(m_reported[c]);
            (kind == KeyedChangeKind::Added ? cell.newValue : cell.oldValue) = record.values[c];
            change.cells.push_back(std::move(cell));
        }
        m_diff.changes.push_back(std::move(change));
    }

    // Whether two rows hold the same compared values: the same line, or cells
    // that differ only in columns left out (uptime, age) or in a key's spelling.
    bool SameRow(std::uint32_t a, std::uint32_t b)
    {
        const std::string_view lineA = m_first.lines[a];
        const std::string_view lineB = m_second.lines[b];
        if (lineA == lineB)
            return true;
        SplitTabs(lineA, m_cellsA);
        SplitTabs(lineB, m_cellsB);
        for (std::size_t column : m_compared)
            if (m_cellsA[column] != m_cellsB[column])
                return false;
        return true;
    }

    // Rows [i, endI) and [j, endJ) pairwise the same, in their file order.
    bool SameRows(std::size_t i, std::size_t endI, std::size_t j, std::size_t endJ)
    {
        if (endI - i != endJ - j)
            return false;
        for (std::size_t k = 0; k < endI - i; ++k)
            if (!SameRow(m_first.order[i + k].row, m_second.order[j + k].row))
                return false;
        return true;
    }

    void Both(std::size_t i, std::size_t endI, std::size_t j, std::size_t endJ)
    {
        if (Grouped()) {
            CheckHops(m_first, i, endI, 1);
            CheckHops(m_second, j, endJ, 2);
            if (SameRows(i, endI, j, endJ)) {
                ++m_diff.unchanged;
                return;
            }
            Pair(MakeRecord(m_first, i, endI), MakeRecord(m_second, j, endJ),
                 KeyCells(m_second, m_second.order[j].row), false);
            return;
        }
        const bool duplicate = endI - i > 1 || endJ - j > 1;
        if (endI - i > 1)
            NoteDuplicate(m_first, i, endI, 1);
        if (endJ - j > 1)
            NoteDuplicate(m_second, j, endJ, 2);
        // The n-th occurrence in one table pairs with the n-th in the other.
        for (; i < endI && j < endJ; ++i, ++j) {
            if (SameRow(m_first.order[i].row, m_second.order[j].row)) {
                ++m_diff.unchanged;
                continue;
            }
            Pair(MakeRecord(m_first, i, i + 1), MakeRecord(m_second, j, j + 1),
                 KeyCells(m_second, m_second.order[j].row), duplicate);
        }
        for (; i < endI; ++i)
            Emit(KeyedChangeKind::Removed, KeyCells(m_first, m_first.order[i].row), MakeRecord(m_first, i, i + 1),
                 true);
        for (; j < endJ; ++j)
            Emit(KeyedChangeKind::Added, KeyCells(m_second, m_second.order[j].row), MakeRecord(m_second, j, j + 1),
                 true);
    }

    void Pair(const Record& before, const Record& after, std::vector<std::string> key, bool duplicate)
    {
        KeyedRowChange change;
        change.kind = KeyedChangeKind::Changed;
        change.key = std::move(key);
        change.duplicate = duplicate;
        change.firstLine = before.line;
        change.secondLine = after.line;
        for (std::size_t c = 0; c < m_reported.size(); ++c) {
            if (before.values[c] == after.values[c] || !Reported(c))
                continue;
            change.cells.push_back(
                {m_reported[c], before.values[c], after.values[c], m_keys.IsIgnored(m_reported[c])});
        }
        if (change.cells.empty())
            ++m_diff.unchanged;
        else
            m_diff.changes.push_back(std::move(change));
    }

    const CTableKeys& m_keys;
    const CKeyedTableCompare::Options& m_options;
    Table& m_first;
    Table& m_second;
    KeyedTableDiff& m_diff;
    std::vector<std::size_t> m_keyIndexes;
    std::vector<std::size_t> m_groupIndexes;
    std::vector<std::string> m_reported;   // compared columns, next hops as one
    std::vector<std::size_t> m_sources;    // each one's column, or kGroupSource
    std::vector<std::size_t> m_compared;   // columns whose change counts, as the options say
    Cells m_cellsA;
    Cells m_cellsB;
};

std::size_t CountKeys(const Table& table)
{
    std::size_t keys = 0;
    for (std::size_t r = 0; r < table.Rows(); ++r)
        keys += r == 0 || table.order[r].key != table.order[r - 1].key ? 1 : 0;
    return keys;
}

KeyedTableDiff Compare(Table& first, Table& second, const CKeyedTableCompare::Options& options)
{
    KeyedTableDiff diff;
    if (!ReadHeader(first, diff.error) || !ReadHeader(second, diff.error))
        return diff;
    const CTableKeys* firstKind = KindOf(first, diff.error);
    if (!firstKind)
        return diff;
    const CTableKeys* secondKind = KindOf(second, diff.error);
    if (!secondKind)
        return diff;
    if (firstKind != secondKind) {
        diff.error = "The two tables are of different kinds and cannot be compared: '" + first.name + "' is " +
                     WithArticle(firstKind->Title()) + ", '" + second.name + "' " +
                     WithArticle(secondKind->Title()) + ".";
        return diff;
    }
    const std::vector<std::size_t> keyIndexes = IndexesOf(*firstKind, firstKind->KeyColumns());
    ReadRows(first, *firstKind, keyIndexes, diff.warnings);
    ReadRows(second, *firstKind, keyIndexes, diff.warnings);
    diff.kind = firstKind->Kind();
    diff.keyColumns = firstKind->KeyColumns();
    Comparison(*firstKind, options, first, second, diff).Run();
    if (firstKind->GroupColumns().empty()) {
        diff.firstKeys = first.Rows();
        diff.secondKeys = second.Rows();
    } else {
        diff.firstKeys = CountKeys(first);
        diff.secondKeys = CountKeys(second);
    }
    diff.ok = true;
    return diff;
}

} // namespace

KeyedTableDiff CKeyedTableCompare::CompareFiles(const std::string& firstPath, const std::string& secondPath,
                                                const Options& options)
{
    Table first;
    Table second;
    first.name = firstPath;
    second.name = secondPath;
    for (Table* table : {&first, &second}) {
        if (!TWDataSet::GetFileContent(table->name, table->text)) {
            KeyedTableDiff diff;
            diff.error = "The table '" + table->name + "' cannot be read: it is missing or unreadable.";
            return diff;
        }
    }
    return Compare(first, second, options);
}

KeyedTableDiff CKeyedTableCompare::CompareText(const std::string& firstName, const std::string& firstText,
                                               const std::string& secondName, const std::string& secondText,
                                               const Options& options)
{
    Table first;
    Table second;
    first.name = firstName;
    first.text = firstText;
    second.name = secondName;
    second.text = secondText;
    return Compare(first, second, options);
}

const char* CKeyedTableCompare::KindName(KeyedChangeKind kind)
{
    switch (kind) {
    case KeyedChangeKind::Added: return "added";
    case KeyedChangeKind::Removed: return "removed";
    case KeyedChangeKind::Changed: return "changed";
    }
    return "";
}

std::string CKeyedTableCompare::Summary(const KeyedRowChange& change)
{
    std::string text;
    for (const KeyedCellChange& cell : change.cells) {
        if (change.kind == KeyedChangeKind::Changed) {
            text += (text.empty() ? "" : "; ") + cell.column + ": " + cell.oldValue + " -> " + cell.newValue;
            continue;
        }
        const std::string& value = change.kind == KeyedChangeKind::Added ? cell.newValue : cell.oldValue;
        if (!value.empty())
            text += (text.empty() ? "" : "; ") + cell.column + "=" + value;
    }
    return text;
}

std::string CKeyedTableCompare::KeyText(KeyedTableKind kind, const std::vector<std::string>& key)
{
    if (kind == KeyedTableKind::Route && key.size() == 3)
        return key[1] + "/" + key[2] + (key[0].empty() ? "" : " in VRF " + key[0]);
    std::string text;
    for (const std::string& cell : key)
        if (!cell.empty())
            text += (text.empty() ? "" : " ") + cell;
    return text;
}

std::string CKeyedTableCompare::DuplicateText(KeyedTableKind kind, const KeyedDuplicate& duplicate,
                                              const std::string& table)
{
    std::string lines;
    for (std::size_t i = 0; i < duplicate.lines.size(); ++i)
        lines += (i == 0 ? "" : i + 1 == duplicate.lines.size() ? " and " : ", ") + std::to_string(duplicate.lines[i]);
    const std::string key = KeyText(kind, duplicate.key);
    if (kind == KeyedTableKind::Route)
        return "Lines " + lines + " of " + table + " are the route " + key + ", which lists one next hop twice.";
    return "Lines " + lines + " of " + table + " hold the same key " + key + "; each row is compared.";
}

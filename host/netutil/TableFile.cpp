#include "TableFile.h"

#include "host/netutil/CliText.h"
#include "host/util/CFileName.h"
#include "host/util/FileWriteBatch.h"
#include "host/util/TWDataSet.h"

#include <sys/stat.h>

#include <cerrno>
#include <utility>

namespace {

// A cell copied to out, its tabs and line breaks as blanks; the end of the copy.
char* CopyCell(char* out, std::string_view cell)
{
    for (const char ch : cell)
        *out++ = (static_cast<unsigned char>(ch) <= '\r' && (ch == '\t' || ch == '\r' || ch == '\n')) ? ' ' : ch;
    return out;
}

// The cells of a line joined by tabs, ended by CR LF, appended to text with
// one growth of the string: a table is millions of cells, and a call into the
// string for each of them and for each tab cost more than the copying.
template <typename Cells>
void AppendCells(std::string& text, const Cells& cells, std::size_t count)
{
    std::size_t length = count + 1;  // tabs and CR LF
    for (std::size_t i = 0; i < count; ++i)
        length += cells[i].size();
    const std::size_t from = text.size();
    text.resize(from + length);
    char* out = text.data() + from;
    for (std::size_t i = 0; i < count; ++i) {
        if (i)
            *out++ = '\t';
        out = CopyCell(out, cells[i]);
    }
    *out++ = '\r';
    *out = '\n';
}

TableFile::Row SplitTabs(std::string_view line)
{
    TableFile::Row cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            cells.emplace_back(line.substr(start));
            return cells;
        }
        cells.emplace_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

} // namespace

void TableFile::AppendLine(std::string& text, const Row& row, std::size_t columns)
{
    // Padded with empty cells up to columns, or cut there.
    std::vector<std::string_view> cells(columns);
    for (std::size_t i = 0; i < columns && i < row.size(); ++i)
        cells[i] = row[i];
    AppendCells(text, cells, columns);
}

void TableFile::AppendLine(std::string& text, std::initializer_list<std::string_view> cells)
{
    AppendCells(text, cells.begin(), cells.size());
}

bool TableFile::Write(const std::string& path, const Row& header, const std::vector<Row>& rows)
{
    if (path.empty() || header.empty())
        return false;
    std::string text;
    AppendLine(text, header, header.size());
    for (const Row& row : rows)
        AppendLine(text, row, header.size());
    return WriteText(path, std::move(text));
}

bool TableFile::WriteText(const std::string& path, std::string text)
{
    if (path.empty())
        return false;
    // A table's folder is a kind folder: made inside a DataFolder that
    // exists, never the DataFolder itself (one deleted meanwhile stays gone).
    // A path the open batch holds had its folder made when it was first
    // written: an import rewrites a device's table with each of its pieces.
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !FileWriteBatch::Holds(path)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
            FileWriteBatch::NoteFailure(path, errno);
            return false;
        }
    }
    return FileWriteBatch::Write(path, std::move(text));
}

bool TableFile::Read(const std::string& path, Row& header, std::vector<Row>& rows)
{
    header.clear();
    rows.clear();
    std::string text;
    if (const std::string* pending = FileWriteBatch::Pending(path)) {
        text = *pending;
    } else if (!TWDataSet::GetFileContent(path, text)) {
        return false;
    }
    const auto lines = CliText::SplitLines(text);
    if (lines.empty() || lines.front().empty())
        return false;
    header = SplitTabs(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i)
        rows.push_back(SplitTabs(lines[i]));
    return true;
}

std::string TableFile::EncodeName(const std::string& text)
{
    // Table names follow the result-file naming, so one encoder serves both.
    return CFileName::ToSysFileName(text);
}

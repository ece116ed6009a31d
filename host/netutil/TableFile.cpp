#include "TableFile.h"

#include "host/netutil/CliText.h"
#include "host/util/CFileName.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void AppendCell(std::string& out, const std::string& cell)
{
    for (char ch : cell)
        out += (ch == '\t' || ch == '\r' || ch == '\n') ? ' ' : ch;
}

void AppendLine(std::string& out, const TableFile::Row& row, std::size_t columns)
{
    for (std::size_t i = 0; i < columns; ++i) {
        if (i)
            out += '\t';
        if (i < row.size())
            AppendCell(out, row[i]);
    }
    out += "\r\n";
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

std::string TemporaryName(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    return target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

} // namespace

bool TableFile::Write(const std::string& path, const Row& header, const std::vector<Row>& rows)
{
    if (path.empty() || header.empty())
        return false;
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (!fs::is_directory(target.parent_path(), ec))
            return false;
    }
    std::string text;
    AppendLine(text, header, header.size());
    for (const Row& row : rows)
        AppendLine(text, row, header.size());

    const std::string temporary = TemporaryName(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

bool TableFile::Read(const std::string& path, Row& header, std::vector<Row>& rows)
{
    header.clear();
    rows.clear();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

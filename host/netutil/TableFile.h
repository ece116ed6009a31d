#pragma once
// The parsed-table files the workstation reads: tab-separated text, the
// first line naming the columns, every line ending in CR LF. A cell never
// holds a tab or a line break (they are written as blanks), so every line
// has exactly as many cells as the header.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class TableFile {
public:
    using Row = std::vector<std::string>;
    // Called after each row a parser appends to a table's text: a caller that
    // prints the table hands the text on in pieces, one writing a file lets it grow.
    using LineAppended = std::function<void(std::string& text)>;

    // Writes header and rows through a temporary file in the same folder that
    // is renamed over path, creating the folder (not its parent) when needed.
    // A row shorter than the header is padded with empty cells, a longer one
    // cut. False (and the old file untouched) when the folder or file cannot
    // be written. While a FileWriteBatch is open on this thread the bytes are
    // held back until it closes, and a folder that cannot be made is noted
    // among its failures.
    static bool Write(const std::string& path, const Row& header, const std::vector<Row>& rows);
    // The same file built by the caller, for tables too big to copy into
    // rows first: AppendLine for the header and for each row (with as many
    // cells as the header), then WriteText.
    static void AppendLine(std::string& text, const Row& row, std::size_t columns);
    static void AppendLine(std::string& text, std::initializer_list<std::string_view> cells);
    static bool WriteText(const std::string& path, std::string text);
    // Reads a file written by Write (LF-only line ends are accepted too).
    // False when it cannot be read or holds no header line.
    static bool Read(const std::string& path, Row& header, std::vector<Row>& rows);
    // A device or qualifier as part of a table file name: characters a file
    // name cannot hold, control characters, '$' and '%' become %XX, as in the
    // route-table names of the registry.
    static std::string EncodeName(const std::string& text);
};

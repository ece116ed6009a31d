#pragma once
// What identifies a row of each parsed-table kind, in one place for every
// comparison of tables (the comparison window, the DataFolder change report,
// twdata compare-tables): the key columns, the columns that change on every
// capture without meaning anything (ignored unless asked for), and, for route
// tables, the columns that make up one next hop of a route spread over rows.
#include <string>
#include <string_view>
#include <vector>

enum class KeyedTableKind { Route, Arp, Mac, Cdp, Interface };

class CTableKeys {
public:
    // The kind's description; every kind has one.
    static const CTableKeys& Of(KeyedTableKind kind);
    // By a table file's extension (".ort", ".oat", ".omt", ".cdp", ".inte",
    // compared ignoring case); null for any other.
    static const CTableKeys* FromPath(std::string_view path);
    // The kind whose columns the header names exactly; null when none does.
    static const CTableKeys* FromHeader(const std::vector<std::string>& header);

    KeyedTableKind Kind() const { return m_kind; }
    // "route table", "ARP table", ...
    const std::string& Title() const { return m_title; }
    const std::string& Extension() const { return m_extension; }
    // The header the parsers write for this kind.
    const std::vector<std::string>& Columns() const { return m_columns; }
    const std::vector<std::string>& KeyColumns() const { return m_keyColumns; }
    const std::vector<std::string>& IgnoredColumns() const { return m_ignoredColumns; }
    // Columns of one next hop: a route is all rows of its key, and these
    // columns of its rows compare as one set ("nexthops"). Empty for kinds
    // whose rows stand alone.
    const std::vector<std::string>& GroupColumns() const { return m_groupColumns; }
    // The name under which the set of GroupColumns is reported.
    static const char* const kGroupColumnName;   // "nexthops"

    bool IsKey(std::string_view column) const;
    bool IsIgnored(std::string_view column) const;
    bool IsGroup(std::string_view column) const;
    // Key cells that name the same thing in other spellings (MAC addresses in
    // either case) compare equal.
    bool KeyIgnoresCase(std::string_view column) const;

private:
    CTableKeys(KeyedTableKind kind, std::string title, std::string extension, std::vector<std::string> columns,
               std::vector<std::string> keyColumns, std::vector<std::string> ignoredColumns,
               std::vector<std::string> groupColumns);
    static const std::vector<CTableKeys>& All();

    KeyedTableKind m_kind;
    std::string m_title;
    std::string m_extension;
    std::vector<std::string> m_columns;
    std::vector<std::string> m_keyColumns;
    std::vector<std::string> m_ignoredColumns;
    std::vector<std::string> m_groupColumns;
};

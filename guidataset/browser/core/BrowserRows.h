#pragma once
// The rows of the browser's pages built from the directory search's entries,
// and the way back from a row's cells to its file name.
#include "guidataset/browser/core/IDatafolderList.h"
#include "platform/core/FileTimes.h"

#include <string>

namespace platform {
struct DirEntry;
}

// Formats file times in local time with one pattern, reusing the text of the
// last second asked for: the files of one import share their times, and a
// page of 50,000 rows should not pay a time-zone conversion for each.
class CLocalTimeText {
public:
    explicit CLocalTimeText(const char* pattern) : m_pattern(pattern) {}
    const std::string& Format(platform::FileTime time);

private:
    const char* m_pattern;
    platform::FileTime m_second = -1;
    bool m_valid = false;
    std::string m_text;
};

// "%Y-%m-%d %H:%M:%S" for plain file lists, "%Y-%m-%d %H:%M" for tables.
inline constexpr const char* kPlainTimePattern = "%Y-%m-%d %H:%M:%S";
inline constexpr const char* kTableTimePattern = "%Y-%m-%d %H:%M";

// The name up to its last '.' (the whole name when it has none).
std::string FileStem(const std::string& fileName);

// Plain file list row: the file name without its extension, the last-write time.
ListRow PlainFileRow(const platform::DirEntry& entry, int image, CLocalTimeText& time);

// Table row: "host" or "host qualifier", the table name, the last-write time.
// False for a name that is no table name; the row then shows the name without
// its extension and an empty table name, so the file is still seen.
bool TableFileRow(const platform::DirEntry& entry, int image, CLocalTimeText& time, ListRow& row);
// The first two cells TableFileRow shows for a file name.
void TableRowCells(const std::string& fileName, std::string& hostCell, std::string& nameCell);

// Splits a Hostname cell at its first blank when the blank is not the first
// character: the host before it, the qualifier after it.
void SplitHostCell(const std::string& cell, std::string& host, std::string& qualifier);

// Why a kind folder cannot be listed although it is there ("... cannot be
// read: Permission denied."); empty when it can be, or when it is missing.
std::string KindFolderProblem(const std::string& folder);

// "There are 12 Route Tables  ", "There is 1 ARP Table  ", cut at 64 characters.
std::string BrowserStatusText(int rowCount, const std::string& caption);

#pragma once
// Compares the two files of one device's data of one kind: lines of a
// configuration or show-command output, rows of a table.
struct ReportEntry;

class CFileChange {
public:
    // entry holds kind, pathA and pathB. Fills its counts, or marks it
    // Unreadable with the reason; false when both files hold the same data.
    static bool Differ(ReportEntry& entry);
};

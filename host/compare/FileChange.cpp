#include "host/compare/FileChange.h"

#include "host/compare/DataFolderReport.h"
#include "host/compare/TableChangeCounter.h"
#include "host/compare/TextChangeCounter.h"
#include "host/util/TextFile.h"

#include <utility>

#include <sys/stat.h>

namespace {

bool IsTable(CompareKind kind)
{
    return kind != CompareKind::Configuration && kind != CompareKind::ShowCommand;
}

// A pipe or device file under a data file's name would block or never end a read.
bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

bool CFileChange::Differ(ReportEntry& entry)
{
    for (const std::string* path : {&entry.pathA, &entry.pathB}) {
        if (!IsRegularFile(*path)) {
            entry.change = ChangeKind::Unreadable;
            entry.reason = *path + " is not a readable file.";
            return true;
        }
    }
    std::string a, b;
    for (const auto& [path, bytes] : {std::pair{&entry.pathA, &a}, std::pair{&entry.pathB, &b}}) {
        if (!TextFile::Read(*path, *bytes)) {
            entry.change = ChangeKind::Unreadable;
            entry.reason = *path + " cannot be read.";
            return true;
        }
    }
    // Most data of two collections is the same byte for byte: only files
    // that differ are parsed.
    if (a == b)
        return false;
    if (IsTable(entry.kind)) {
        CTableChangeCounter::Counts counts;
        if (!CTableChangeCounter::Count(entry.pathA, a, entry.pathB, b, counts, entry.reason)) {
            entry.change = ChangeKind::Unreadable;
            return true;
        }
        entry.added = counts.added;
        entry.removed = counts.removed;
        entry.changed = counts.changed;
        return counts.Any();
    }
    const CTextChangeCounter::Counts counts = CTextChangeCounter::Count(a, b);
    entry.added = counts.added;
    entry.removed = counts.removed;
    // Only line ends differ: nothing a reader would call a change.
    return counts.added + counts.removed != 0;
}


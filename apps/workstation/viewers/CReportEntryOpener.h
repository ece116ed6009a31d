#pragma once
// Opens one row of a DataFolder comparison: data in both DataFolders in a
// comparison (configurations and show-command outputs side by side in
// TarnwickDiff.exe, tables by their keys in the keyed comparison window),
// data in one of them in the viewer of its kind.
struct ReportEntry;
class QWidget;

namespace workstation {

class CReportEntryOpener {
public:
    // False, said to the user, when nothing could be opened.
    static bool Open(const ReportEntry& entry, QWidget* parent);

private:
    static bool CompareTables(const ReportEntry& entry, QWidget* parent);
    static bool ViewOne(const ReportEntry& entry, QWidget* parent);
};

} // namespace workstation

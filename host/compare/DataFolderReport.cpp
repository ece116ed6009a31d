#include "host/compare/DataFolderReport.h"

namespace {

void Add(KindCounts& counts, ChangeKind change)
{
    switch (change) {
    case ChangeKind::Added: ++counts.added; break;
    case ChangeKind::Removed: ++counts.removed; break;
    case ChangeKind::Changed: ++counts.changed; break;
    case ChangeKind::Unreadable: ++counts.unreadable; break;
    }
}

} // namespace

KindCounts DataFolderReport::Totals() const
{
    KindCounts counts;
    for (const ReportEntry& entry : entries)
        Add(counts, entry.change);
    return counts;
}

KindCounts DataFolderReport::CountsOf(CompareKind kind) const
{
    KindCounts counts;
    for (const ReportEntry& entry : entries)
        if (entry.kind == kind)
            Add(counts, entry.change);
    return counts;
}

std::vector<std::string> DataFolderReport::ChangedDevices() const
{
    std::vector<std::string> devices;
    for (const ReportEntry& entry : entries)
        if (devices.empty() || devices.back() != entry.device)
            devices.push_back(entry.device);
    return devices;
}

std::string DataFolderReport::Describe(const ReportEntry& entry)
{
    switch (entry.change) {
    case ChangeKind::Added: return "added";
    case ChangeKind::Removed: return "removed";
    case ChangeKind::Unreadable: return "not compared: " + entry.reason;
    case ChangeKind::Changed: break;
    }
    const std::string counts = CountsText(entry);
    return counts.empty() ? std::string("changed") : "changed: " + counts;
}

std::string DataFolderReport::CountsText(const ReportEntry& entry)
{
    std::string text;
    auto part = [&](std::size_t n, const char* what) {
        if (n == 0)
            return;
        // The unit is named once, on the first number: "2 routes added, 1 changed".
        text += text.empty() ? CCompareKinds::Count(entry.kind, n) + " " + what
                             : ", " + std::to_string(n) + " " + what;
    };
    part(entry.added, "added");
    part(entry.removed, "removed");
    part(entry.changed, "changed");
    return text;
}

std::string DataFolderReport::Subject(const ReportEntry& entry)
{
    std::string subject = CCompareKinds::Info(entry.kind).caption;
    if (!entry.item.empty())
        subject += " \"" + entry.item + "\"";
    return subject;
}

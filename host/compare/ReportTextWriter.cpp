#include "host/compare/ReportTextWriter.h"

#include "host/compare/DataFolderReport.h"

#include <cstdio>

namespace {

std::string Row(const std::string& label, const std::string& a, const std::string& b, const std::string& c,
                const std::string& d)
{
    char line[160];
    std::snprintf(line, sizeof line, "  %-16s %7s %8s %8s %13s\n", label.c_str(), a.c_str(), b.c_str(), c.c_str(),
                  d.c_str());
    return line;
}

std::string Plural(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string CReportTextWriter::Write(const DataFolderReport& report)
{
    std::string text = "DataFolder comparison\n";
    text += "First:  " + report.nameA + "\n";
    text += "Second: " + report.nameB + "\n\n";
    const KindCounts totals = report.Totals();
    const std::vector<std::string> changed = report.ChangedDevices();
    text += Plural(report.devices, "device", "devices") + " with data, " +
            Plural(changed.size(), "device", "devices") + " with differences; " +
            Plural(report.filesCompared, "file", "files") + " in both DataFolders compared.\n";
    if (!report.HasDifferences()) {
        text += "No differences.\n";
    } else {
        text += "Added " + std::to_string(totals.added) + ", removed " + std::to_string(totals.removed) +
                ", changed " + std::to_string(totals.changed) + ", not compared " +
                std::to_string(totals.unreadable) + ".\n\n";
        text += Row("", "Added", "Removed", "Changed", "Not compared");
        for (const CompareKindInfo& kind : CCompareKinds::All()) {
            const KindCounts counts = report.CountsOf(kind.kind);
            if (counts.Total() != 0)
                text += Row(kind.caption, std::to_string(counts.added), std::to_string(counts.removed),
                            std::to_string(counts.changed), std::to_string(counts.unreadable));
        }
        std::string device;
        for (const ReportEntry& entry : report.entries) {
            if (entry.device != device) {
                device = entry.device;
                text += "\n" + device + "\n";
            }
            text += "  " + DataFolderReport::Subject(entry) + ": " + DataFolderReport::Describe(entry) + "\n";
        }
    }
    if (!report.unknownDevices.empty()) {
        text += "\nNot in the project's device inventory (compared all the same):";
        for (const std::string& name : report.unknownDevices)
            text += " " + name;
        text += "\n";
    }
    return text;
}

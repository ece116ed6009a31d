#include "host/compare/ReportHtmlWriter.h"

#include "host/compare/DataFolderReport.h"

namespace {

std::string Escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

const char* ChangeClass(ChangeKind change)
{
    switch (change) {
    case ChangeKind::Added: return "added";
    case ChangeKind::Removed: return "removed";
    case ChangeKind::Unreadable: return "unreadable";
    case ChangeKind::Changed: break;
    }
    return "changed";
}

std::string Cell(std::size_t n)
{
    return "<td class=\"n\">" + std::to_string(n) + "</td>";
}

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "h1{font-size:1.4em}h2{font-size:1.1em;margin-top:1.4em;border-bottom:1px solid #ccc}"
    "table{border-collapse:collapse}td,th{padding:.2em .8em;text-align:left;border-bottom:1px solid #eee}"
    "td.n{text-align:right}.added{color:#1a7f37}.removed{color:#b42318}.changed{color:#8a5300}"
    ".unreadable{color:#6b21a8}.summary{font-size:1.05em}";

} // namespace

std::string CReportHtmlWriter::Write(const DataFolderReport& report)
{
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>DataFolder comparison: " +
                       Escape(report.nameA) + " and " + Escape(report.nameB) + "</title>\n<style>" + kStyle +
                       "</style></head>\n<body>\n<h1>DataFolder comparison</h1>\n";
    html += "<p>First: <b>" + Escape(report.nameA) + "</b><br>Second: <b>" + Escape(report.nameB) + "</b></p>\n";
    const KindCounts totals = report.Totals();
    html += "<p class=\"summary\">" + std::to_string(report.devices) + " devices with data, " +
            std::to_string(report.ChangedDevices().size()) + " with differences; " +
            std::to_string(report.filesCompared) + " files in both DataFolders compared.</p>\n";
    if (!report.HasDifferences()) {
        html += "<p>No differences.</p>\n";
    } else {
        html += "<table>\n<tr><th></th><th>Added</th><th>Removed</th><th>Changed</th><th>Not compared</th></tr>\n";
        for (const CompareKindInfo& kind : CCompareKinds::All()) {
            const KindCounts counts = report.CountsOf(kind.kind);
            if (counts.Total() != 0)
                html += std::string("<tr><td>") + kind.caption + "</td>" + Cell(counts.added) +
                        Cell(counts.removed) + Cell(counts.changed) + Cell(counts.unreadable) + "</tr>\n";
        }
        html += "<tr><th>All</th>" + Cell(totals.added) + Cell(totals.removed) + Cell(totals.changed) +
                Cell(totals.unreadable) + "</tr>\n</table>\n";
        std::string device;
        bool open = false;
        for (const ReportEntry& entry : report.entries) {
            if (!open || entry.device != device) {
                if (open)
                    html += "</table>\n";
                device = entry.device;
                html += "<h2>" + Escape(device) + "</h2>\n<table>\n";
                open = true;
            }
            html += "<tr><td>" + Escape(DataFolderReport::Subject(entry)) + "</td><td class=\"" +
                    ChangeClass(entry.change) + "\">" + Escape(DataFolderReport::Describe(entry)) + "</td></tr>\n";
        }
        if (open)
            html += "</table>\n";
    }
    if (!report.unknownDevices.empty()) {
        html += "<p>Not in the project's device inventory (compared all the same):";
        for (const std::string& name : report.unknownDevices)
            html += " " + Escape(name);
        html += "</p>\n";
    }
    return html + "</body></html>\n";
}

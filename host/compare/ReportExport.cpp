#include "host/compare/ReportExport.h"

#include "host/compare/ReportHtmlWriter.h"
#include "host/compare/ReportTextWriter.h"
#include "platform/core/Paths.h"

#include <strings.h>
#include <cerrno>
#include <cstring>

namespace {

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

bool CReportExport::IsHtmlName(const std::string& path)
{
    auto endsWith = [&](const char* tail) {
        const std::size_t n = std::strlen(tail);
        return path.size() >= n && ::strcasecmp(path.c_str() + path.size() - n, tail) == 0;
    };
    return endsWith(".html") || endsWith(".htm");
}

bool CReportExport::Save(const DataFolderReport& report, const std::string& path, std::string& error)
{
    const std::string bytes =
        IsHtmlName(path) ? CReportHtmlWriter::Write(report) : WithCrLf(CReportTextWriter::Write(report));
    int code = 0;
    if (platform::AtomicWriteFile(path, bytes, true, &code))
        return true;
    error = "The report cannot be saved to " + path + ": " + std::strerror(code) + ".";
    return false;
}

#pragma once
// Saves a change report to a file of the user's, as HTML when its name ends
// in ".html" or ".htm" (any case), else as text with CR LF line ends. The
// file is replaced whole or not at all.
#include <string>

struct DataFolderReport;

class CReportExport {
public:
    static bool IsHtmlName(const std::string& path);
    // False, with a message for the user in error, when it cannot be written.
    static bool Save(const DataFolderReport& report, const std::string& path, std::string& error);
};

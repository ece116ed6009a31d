#pragma once
// The change report of two DataFolders as one self-contained HTML page (its
// style inline, nothing fetched), readable in any browser and fit to mail.
#include <string>

struct DataFolderReport;

class CReportHtmlWriter {
public:
    static std::string Write(const DataFolderReport& report);
};

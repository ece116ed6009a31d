#pragma once
// The change report of two DataFolders as plain text: the numbers first,
// then one block per device that changed. Lines end in LF; the export turns
// them into CR LF.
#include <string>

struct DataFolderReport;

class CReportTextWriter {
public:
    static std::string Write(const DataFolderReport& report);
};

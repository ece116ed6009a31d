#pragma once
// The kinds of data that a comparison of two DataFolders looks at, in the
// order a report lists them, with where their files lie and what one row of a
// changed file is called.
#include <string>
#include <vector>

enum class CompareKind { Configuration, RouteTable, ArpTable, MacTable, CdpTable, Interfaces, ShowCommand };

struct CompareKindInfo {
    CompareKind kind;
    const char* caption;     // "Route table"
    const char* folder;      // kind folder inside a DataFolder, "LiveRouteTable"
    const char* extension;   // ".ort"; empty for show-command results (named by device, command, time)
    const char* unit;        // one changed line or row: "line", "route", "entry", "neighbour", "interface"
    const char* units;       // its plural
};

class CCompareKinds {
public:
    static const std::vector<CompareKindInfo>& All();
    static const CompareKindInfo& Info(CompareKind kind);
    // "1 route", "3 routes".
    static std::string Count(CompareKind kind, std::size_t n);
};

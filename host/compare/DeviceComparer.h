#pragma once
// Compares the configuration and the route table of chosen devices between
// two DataFolders, giving each device a verdict per kind. Either side may be
// a project's own configuration folder ("*Baseline Config"), which holds
// configurations only.
#include "host/compare/DataFolderReport.h"

#include <string>
#include <vector>

enum class Verdict { NotCompared, Same, Different, OnlyInFirst, OnlyInSecond, InNeither, Unreadable };

struct DeviceVerdict {
    Verdict verdict = Verdict::NotCompared;
    // Kind, paths and counts; the paths of the files that exist.
    ReportEntry entry;
};

struct DeviceComparison {
    std::string device;
    DeviceVerdict configuration;
    DeviceVerdict routeTable;
};

class CDeviceComparer {
public:
    CDeviceComparer(std::string pathA, std::string pathB);

    // One comparison per device, in the order given. False, with error set,
    // when either folder is gone.
    bool Compare(const std::vector<std::string>& devices, bool configurations, bool routeTables,
                 std::vector<DeviceComparison>& result, std::string& error) const;

    // "Same", "Different", "Only in the first", ...
    static const char* Caption(Verdict verdict);
    // The verdict and, for a difference, what changed.
    static std::string Describe(const DeviceVerdict& verdict);

private:
    std::string m_pathA;
    std::string m_pathB;
};

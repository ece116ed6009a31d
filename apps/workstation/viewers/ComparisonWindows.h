#pragma once
// The windows shown after the user has chosen what to compare: the change
// report of two whole DataFolders, and the configuration and route-table
// verdicts of many devices. Each opens in the MDI area when mdiParent is one
// (else as a window of its own over mdiParent). A DataFolder that has gone
// since it was chosen is said to the user and nothing opens (null returned).
#include <string>
#include <vector>

class QWidget;

namespace workstation {

class CDataFolderReportWindow;
class CDeviceCompareWindow;

CDataFolderReportWindow* ShowDataFolderComparison(QWidget* mdiParent, const std::string& pathA,
                                                  const std::string& pathB);

// what: bit 0 configurations, bit 1 route tables, as the compare dialog hands it back.
CDeviceCompareWindow* ShowConfigRouteComparison(QWidget* mdiParent, const std::vector<std::string>& devices,
                                                const std::string& pathA, const std::string& pathB, int what = 3);

} // namespace workstation

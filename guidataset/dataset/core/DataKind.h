#pragma once
// The kinds of data a DataFolder holds. The number is shared by the service,
// the browser pages (as page id), the View dialog and the file lister.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using DataKind = std::int32_t;

enum : DataKind {
    kKindLiveConfig = 16,
    kKindLiveRouteTable = 17,
    kKindSimulatedRouteTable = 18,
    kKindLiveArpTable = 22,
    kKindLiveMacTable = 23,
    kKindLiveCdpTable = 24,
    kKindTextResult = 25,
    kKindMonitor = 26,
    kKindDeviceStatus = 27,
    kKindLiveInterface = 28,
    kKindPerformance = 29,
    kKindPing = 30,
    kKindTrace = 31,
    kKindIpAccounting = 33,
    kKindLiveCommand = 34,
    kKindLiveCommandDevice = 35,
    kKindShowCommand = 36,
};

// "LiveConfig", "ShowCommand", ...; empty for kinds that have no name.
std::string DataKindName(DataKind kind);

// The extension of the kind's files with its dot (".config"). Empty for the
// kind that lists every file (33) and for kinds whose files are never listed;
// tell those apart with DataKindListsFiles.
std::string DataKindExtension(DataKind kind);

// False for kinds the file lister returns nothing for.
bool DataKindListsFiles(DataKind kind);

// The folder that holds the kind's files inside the DataFolder at
// dataSetPath, ending in '/'. Kinds without a folder of their own keep their
// files in the DataFolder itself.
std::string DataKindFolder(DataKind kind, const std::string& dataSetPath);

// The kinds the emptiness test knows, each with the name of its sub-folder,
// in the order 16, 17, 22, 23, 24, 28.
const std::vector<std::pair<DataKind, std::string>>& EmptinessKindNames();

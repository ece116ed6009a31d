#include "guidataset/dataset/core/DataKind.h"

#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"

namespace {

constexpr DataKind kListEveryFile = kKindIpAccounting;

} // namespace

std::string DataKindName(DataKind kind)
{
    switch (kind) {
    case kKindLiveConfig: return "LiveConfig";
    case kKindLiveRouteTable: return "LiveRouteTable";
    case kKindSimulatedRouteTable: return "SimulatedRouteTable";
    case kKindLiveArpTable: return "LiveArpTable";
    case kKindLiveMacTable: return "LiveMacTable";
    case kKindLiveCdpTable: return "LiveCdpTable";
    case kKindLiveInterface: return "LiveInterface";
    case kKindLiveCommand:
    case kKindShowCommand: return "ShowCommand";
    default: return {};
    }
}

std::string DataKindExtension(DataKind kind)
{
    switch (kind) {
    case kKindLiveConfig: return ".config";
    case kKindLiveRouteTable:
    case kKindSimulatedRouteTable: return ".ort";
    case kKindLiveArpTable: return ".oat";
    case kKindLiveMacTable: return ".omt";
    case kKindLiveCdpTable: return ".cdp";
    case kKindTextResult:
    case kKindMonitor:
    case kKindLiveCommandDevice: return ".txt";
    case kKindDeviceStatus: return ".status";
    case kKindLiveInterface: return ".inte";
    case kKindPerformance: return ".perf";
    case kKindPing: return ".ping";
    case kKindTrace: return ".trace";
    default: return {};
    }
}

bool DataKindListsFiles(DataKind kind)
{
    return kind == kListEveryFile || !DataKindExtension(kind).empty();
}

std::string DataKindFolder(DataKind kind, const std::string& dataSetPath)
{
    switch (kind) {
    case kKindLiveConfig: return TWFileSystem::GetLiveConfigFolder(dataSetPath);
    case kKindLiveRouteTable: return TWFileSystem::GetLiveRoutingTableFolder(dataSetPath);
    case kKindLiveArpTable: return TWFileSystem::GetLiveArpTableFolder(dataSetPath);
    case kKindLiveMacTable: return TWFileSystem::GetLiveMacTableFolder(dataSetPath);
    case kKindLiveCdpTable: return TWFileSystem::GetLiveCdpTableFolder(dataSetPath);
    case kKindShowCommand: return TWFileSystem::GetLiveShowCommandDataFolder(dataSetPath);
    default: return platform::EnsureTrailingSlash(dataSetPath);
    }
}

const std::vector<std::pair<DataKind, std::string>>& EmptinessKindNames()
{
    static const std::vector<std::pair<DataKind, std::string>> names = {
        {kKindLiveConfig, "LiveConfig"},     {kKindLiveRouteTable, "LiveRouteTable"},
        {kKindLiveArpTable, "LiveArpTable"}, {kKindLiveMacTable, "LiveMacTable"},
        {kKindLiveCdpTable, "LiveCdpTable"}, {kKindLiveInterface, "LiveInterface"},
    };
    return names;
}

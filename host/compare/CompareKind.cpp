#include "host/compare/CompareKind.h"

const std::vector<CompareKindInfo>& CCompareKinds::All()
{
    static const std::vector<CompareKindInfo> kinds = {
        {CompareKind::Configuration, "Configuration", "LiveConfig", ".config", "line", "lines"},
        {CompareKind::RouteTable, "Route table", "LiveRouteTable", ".ort", "route", "routes"},
        {CompareKind::ArpTable, "ARP table", "LiveArpTable", ".oat", "entry", "entries"},
        {CompareKind::MacTable, "MAC table", "LiveMacTable", ".omt", "entry", "entries"},
        {CompareKind::CdpTable, "CDP table", "LiveCdpTable", ".cdp", "neighbour", "neighbours"},
        {CompareKind::Interfaces, "Interfaces", "LiveInterface", ".inte", "interface", "interfaces"},
        {CompareKind::ShowCommand, "Show command", "ShowCommand", "", "line", "lines"},
    };
    return kinds;
}

const CompareKindInfo& CCompareKinds::Info(CompareKind kind)
{
    return All()[static_cast<std::size_t>(kind)];
}

std::string CCompareKinds::Count(CompareKind kind, std::size_t n)
{
    const CompareKindInfo& info = Info(kind);
    return std::to_string(n) + " " + (n == 1 ? info.unit : info.units);
}

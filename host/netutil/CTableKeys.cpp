#include "CTableKeys.h"

#include "host/l2/CCiscoSwitchObj.h"
#include "host/l2/CDeviceObj.h"
#include "host/l2/CRouterObj.h"
#include "host/netutil/CliText.h"
#include "host/netutil/RoutingTable.h"
#include "host/probe/TWLiveData.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string>& list, std::string_view item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

const char* const CTableKeys::kGroupColumnName = "nexthops";

CTableKeys::CTableKeys(KeyedTableKind kind, std::string title, std::string extension, std::vector<std::string> columns,
                       std::vector<std::string> keyColumns, std::vector<std::string> ignoredColumns,
                       std::vector<std::string> groupColumns)
    : m_kind(kind),
      m_title(std::move(title)),
      m_extension(std::move(extension)),
      m_columns(std::move(columns)),
      m_keyColumns(std::move(keyColumns)),
      m_ignoredColumns(std::move(ignoredColumns)),
      m_groupColumns(std::move(groupColumns))
{
}

const std::vector<CTableKeys>& CTableKeys::All()
{
    // Uptime and ARP age move on every capture; an interface's index is only
    // its position in the device's list, which shifts when one is added.
    static const std::vector<CTableKeys> all{
        CTableKeys(KeyedTableKind::Route, "route table", ".ort", RoutingTable::Columns(),
                   {"vrf", "network", "prefix_length"}, {"uptime"}, {"nexthop_ip", "nexthop_if"}),
        CTableKeys(KeyedTableKind::Arp, "ARP table", ".oat", CRouterObj::ArpColumns(), {"address"}, {"age"}, {}),
        CTableKeys(KeyedTableKind::Mac, "MAC table", ".omt", CCiscoSwitchObj::MacColumns(), {"vlan", "mac"}, {}, {}),
        CTableKeys(KeyedTableKind::Cdp, "CDP table", ".cdp", CDeviceObj::CdpColumns(),
                   {"local_interface", "destination_host"}, {}, {}),
        CTableKeys(KeyedTableKind::Interface, "interface table", ".inte", TWLiveData::InterfaceColumns(),
                   {"interface"}, {"index"}, {}),
    };
    return all;
}

const CTableKeys& CTableKeys::Of(KeyedTableKind kind)
{
    return All()[static_cast<std::size_t>(kind)];
}

const CTableKeys* CTableKeys::FromPath(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return nullptr;
    for (const CTableKeys& keys : All())
        if (CliText::EqualsNoCase(path.substr(dot), keys.m_extension))
            return &keys;
    return nullptr;
}

const CTableKeys* CTableKeys::FromHeader(const std::vector<std::string>& header)
{
    for (const CTableKeys& keys : All())
        if (keys.m_columns == header)
            return &keys;
    return nullptr;
}

bool CTableKeys::IsKey(std::string_view column) const
{
    return Contains(m_keyColumns, column);
}

bool CTableKeys::IsIgnored(std::string_view column) const
{
    return Contains(m_ignoredColumns, column);
}

bool CTableKeys::IsGroup(std::string_view column) const
{
    return Contains(m_groupColumns, column);
}

bool CTableKeys::KeyIgnoresCase(std::string_view column) const
{
    return column == "mac";
}

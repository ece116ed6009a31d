#pragma once
// One device's live route table, read from "show ip route" output (Cisco IOS
// with its "Routing Table:" VRF sections, and NX-OS "IP Route Table for VRF")
// and saved as a table file with the columns
//   protocol vrf network prefix_length distance metric nexthop_ip nexthop_if uptime
// one row per next hop.
#include "host/netutil/TableFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class RoutingTable {
public:
    struct Route {
        std::string protocol;      // IOS code with its subtype ("O E2"), or the NX-OS protocol ("ospf-10")
        std::string vrf;           // empty for the global table of IOS
        std::string network;
        std::string prefixLength;
        std::string distance;
        std::string metric;
        std::string nexthopIp;
        std::string nexthopIf;
        std::string uptime;
    };

    explicit RoutingTable(std::string device = {});

    // Replaces the routes with those of the output; false when it holds none
    // (an error message, an empty table, a different command's output).
    bool ParseCmdString(std::string_view output);
    // Writes the table file; false, and nothing written, when there are no
    // routes or the file cannot be written.
    bool SaveRTData(const std::string& path) const;

    const std::string& GetDevice() const { return m_device; }
    // The routes as strings, made on the first call after a parse.
    const std::vector<Route>& GetRoutes() const;
    std::size_t RouteCount() const { return m_rowCount; }
    static const std::vector<std::string>& Columns();
    // The table file's text of output appended to text, header first, with
    // appended called after each row, without holding the routes; the number
    // of rows.
    static std::size_t AppendTableText(std::string_view output, std::string& text,
                                       const TableFile::LineAppended& appended);

private:
    std::string m_device;
    // The routes are held as the table file's text: made while parsing, it
    // is both the compact store of a big table and what SaveRTData writes.
    std::string m_text;
    std::size_t m_rowCount = 0;
    mutable std::vector<Route> m_routes;
    mutable bool m_routesMade = false;
};

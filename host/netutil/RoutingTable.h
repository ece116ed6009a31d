#pragma once
// One device's live route table, read from "show ip route" output (Cisco IOS
// with its "Routing Table:" VRF sections, and NX-OS "IP Route Table for VRF")
// and saved as a table file with the columns
//   protocol vrf network prefix_length distance metric nexthop_ip nexthop_if uptime
// one row per next hop.
#include <string>
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
    bool ParseCmdString(const std::string& output);
    // Writes the table file; false, and nothing written, when there are no
    // routes or the file cannot be written.
    bool SaveRTData(const std::string& path) const;

    const std::string& GetDevice() const { return m_device; }
    const std::vector<Route>& GetRoutes() const { return m_routes; }
    static const std::vector<std::string>& Columns();

private:
    std::string m_device;
    std::vector<Route> m_routes;
};

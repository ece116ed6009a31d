// Inputs found by fuzzing the parsers, and the route table writer that builds
// its file without copying the routes into rows.
#include "host/netutil/RoutingTable.h"
#include "host/netutil/TableFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TableFile::Row Cells(const RoutingTable::Route& r)
{
    return {r.protocol, r.vrf, r.network, r.prefixLength, r.distance, r.metric, r.nexthopIp, r.nexthopIf, r.uptime};
}

} // namespace

TEST(RouteTableFileTest, DirectWriterMatchesTheRowWriterAndReadsBack)
{
    twtest::TempDir dir;
    RoutingTable table("r1");
    // A VRF name with an inner tab, ECMP, a wrapped line, an NX-OS section.
    ASSERT_TRUE(table.ParseCmdString("Routing Table: CUST\tA\r\n"
                                     "O E2  10.1.0.0/16 [110/20] via 10.0.0.2, 1d02h, Gi0/1\r\n"
                                     "                  [110/20] via 10.0.0.6, 1d02h, Gi0/2\r\n"
                                     "D     10.2.0.0/16\r\n"
                                     "         [90/3072] via 10.0.0.9, 00:00:07, Vlan5\r\n"
                                     "IP Route Table for VRF \"mgmt\"\n"
                                     "0.0.0.0/0, ubest/mbest: 1/0\n"
                                     "    *via 10.1.100.1%management, [1/0], 6d02h, static\n"));
    ASSERT_EQ(table.GetRoutes().size(), 4u);

    std::vector<TableFile::Row> rows;
    for (const auto& route : table.GetRoutes())
        rows.push_back(Cells(route));
    ASSERT_TRUE(TableFile::Write(dir / "rows.ort", RoutingTable::Columns(), rows));
    ASSERT_TRUE(table.SaveRTData(dir / "LiveRouteTable/direct.ort"));
    const std::string direct = dir.ReadFile("LiveRouteTable/direct.ort");
    EXPECT_EQ(direct, dir.ReadFile("rows.ort"));
    EXPECT_NE(direct.find("\tCUST A\t"), std::string::npos);

    TableFile::Row header;
    std::vector<TableFile::Row> read;
    ASSERT_TRUE(TableFile::Read(dir / "LiveRouteTable/direct.ort", header, read));
    EXPECT_EQ(header, RoutingTable::Columns());
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[1], (TableFile::Row{"O E2", "CUST A", "10.1.0.0", "16", "110", "20", "10.0.0.6", "Gi0/2", "1d02h"}));
    EXPECT_EQ(read[3], (TableFile::Row{"static", "mgmt", "0.0.0.0", "0", "1", "0", "10.1.100.1", "", "6d02h"}));
}

TEST(RouteTableFileTest, SubnetHeadersGiveTheLengthOfNetworksPrintedWithout)
{
    RoutingTable table("r1");
    ASSERT_TRUE(table.ParseCmdString("S        172.20.0.0 [1/0] via 10.0.0.1\n"
                                     "     10.0.0.0 255.255.255.0 is subnetted, 2 subnets\n"
                                     "O        10.1.1.0 [110/2] via 10.0.0.2, 00:00:05, Gi0/1\n"
                                     "     10.0.0.0/16 is variably masked\n"
                                     "O        10.1.2.0 [110/2] via 10.0.0.2, 00:00:05, Gi0/1\n"
                                     "     172.16.0.0/28 is subnetted, 1 subnets\n"
                                     "C        172.16.0.0 is directly connected, Vlan5\n"));
    std::vector<std::string> lengths;
    for (const auto& route : table.GetRoutes())
        lengths.push_back(route.network + "/" + route.prefixLength);
    EXPECT_EQ(lengths, (std::vector<std::string>{"172.20.0.0/16", "10.1.1.0/24", "10.1.2.0/24", "172.16.0.0/28"}));
}

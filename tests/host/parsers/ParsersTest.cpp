// Edge cases of the show-command parsers that the device fixtures do not
// cover: older layouts, wrapped lines, error texts, truncated and noisy output.
#include "host/l2/CCiscoSwitchObj.h"
#include "host/l2/CDeviceObj.h"
#include "host/l2/CRouterObj.h"
#include "host/netutil/CCliResultParserRule.h"
#include "host/netutil/InterfaceTypeCfg.h"
#include "host/netutil/RoutingTable.h"
#include "host/netutil/TableFile.h"
#include "host/probe/IfTableEntry.h"
#include "host/probe/TWLiveData.h"
#include "host/util/TWFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Row(const RoutingTable::Route& r)
{
    return {r.protocol, r.vrf, r.network, r.prefixLength, r.distance, r.metric, r.nexthopIp, r.nexthopIf, r.uptime};
}

const char* kError = "show ip route\n              ^\n% Invalid input detected at '^' marker.\n";

} // namespace

TEST(RoutingTableTest, IosFormsGiveOneRowPerNextHop)
{
    RoutingTable table("r1");
    ASSERT_TRUE(table.ParseCmdString(
        "Gateway of last resort is 10.0.0.2 to network 0.0.0.0\n"
        "\n"
        "S*    0.0.0.0/0 [1/0] via 10.0.0.2\n"
        "     172.16.0.0/24 is subnetted, 2 subnets\n"
        "O IA    172.16.1.0 [110/2] via 10.0.0.2, 00:01:02, GigabitEthernet0/1\n"
        "                   [110/2] via 10.0.0.6, 00:01:02, GigabitEthernet0/2\n"
        "C       172.16.2.0 is directly connected, Vlan10\n"
        "O*E2  10.9.0.0 255.255.0.0 [110/20] via 10.0.0.2, 2w3d, Gi0/1\n"
        "D EX     10.99.128.0/17 \n"
        "           [170/2816] via 10.0.0.2, 1d02h, Ethernet0/0\n"
        "\n"
        "Routing Table: CUSTOMER\n"
        "B        192.168.5.0/24 [20/0] via 172.31.0.1, 3d04h\n"));
    const auto& routes = table.GetRoutes();
    ASSERT_EQ(routes.size(), 7u);
    using V = std::vector<std::string>;
    EXPECT_EQ(Row(routes[0]), (V{"S", "", "0.0.0.0", "0", "1", "0", "10.0.0.2", "", ""}));
    EXPECT_EQ(Row(routes[1]), (V{"O IA", "", "172.16.1.0", "24", "110", "2", "10.0.0.2", "GigabitEthernet0/1", "00:01:02"}));
    EXPECT_EQ(Row(routes[2]), (V{"O IA", "", "172.16.1.0", "24", "110", "2", "10.0.0.6", "GigabitEthernet0/2", "00:01:02"}));
    EXPECT_EQ(Row(routes[3]), (V{"C", "", "172.16.2.0", "24", "", "", "", "Vlan10", ""}));
    EXPECT_EQ(Row(routes[4]), (V{"O E2", "", "10.9.0.0", "16", "110", "20", "10.0.0.2", "Gi0/1", "2w3d"}));
    EXPECT_EQ(Row(routes[5]), (V{"D EX", "", "10.99.128.0", "17", "170", "2816", "10.0.0.2", "Ethernet0/0", "1d02h"}));
    EXPECT_EQ(Row(routes[6]), (V{"B", "CUSTOMER", "192.168.5.0", "24", "20", "0", "172.31.0.1", "", "3d04h"}));
}

TEST(RoutingTableTest, SavesCrLfTableAndRefusesOutputWithoutRoutes)
{
    twtest::TempDir dir;
    RoutingTable table("r1");
    ASSERT_TRUE(table.ParseCmdString("C    10.1.1.0/24 is directly connected, Vlan1\n"));
    ASSERT_TRUE(table.SaveRTData(dir / "LiveRouteTable/r1.ort"));
    EXPECT_EQ(dir.ReadFile("LiveRouteTable/r1.ort"),
              "protocol\tvrf\tnetwork\tprefix_length\tdistance\tmetric\tnexthop_ip\tnexthop_if\tuptime\r\n"
              "C\t\t10.1.1.0\t24\t\t\t\tVlan1\t\r\n");

    for (const char* output : {kError, "", "Codes: C - connected, S - static\n\nGateway of last resort is not set\n"}) {
        EXPECT_FALSE(table.ParseCmdString(output)) << output;
        EXPECT_FALSE(table.SaveRTData(dir / "r2.ort"));
        EXPECT_FALSE(dir.Exists("r2.ort"));
    }
}

TEST(L2ParserTest, ArpKeepsIncompleteEntriesAndAliasesAndSkipsACutLine)
{
    const auto entries = CRouterObj::ParseArpText(
        "Protocol  Address          Age (min)  Hardware Addr   Type   Interface\n"
        "Internet  10.0.0.1                -   0011.2233.4455  ARPA   GigabitEthernet0/1\n"
        "Internet  10.0.0.7                3   Incomplete      ARPA   \n"
        "Internet  10.0.0.9                -   0011.2233.4466  ARPA\n"
        "Internet  10.0.0.10               -   aabb.cc03.8200  SRP-A\n"
        "Internet  10.0.0.12               7   aabb.cc03.8201  SRP-B  POS1/0\n"
        "Internet  10.0.0.11              12   00");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].interface, "GigabitEthernet0/1");
    EXPECT_EQ(entries[1].mac, "Incomplete");
    EXPECT_EQ(entries[1].age, "3");
    EXPECT_EQ(entries[2].type, "ARPA");
    EXPECT_EQ(entries[2].interface, "");
    // A type outside the common encapsulations is still the type, not the interface.
    EXPECT_EQ(entries[3].address, "10.0.0.10");
    EXPECT_EQ(entries[3].age, "-");
    EXPECT_EQ(entries[3].mac, "aabb.cc03.8200");
    EXPECT_EQ(entries[3].type, "SRP-A");
    EXPECT_EQ(entries[3].interface, "");
    EXPECT_EQ(entries[4].type, "SRP-B");
    EXPECT_EQ(entries[4].interface, "POS1/0");

    // NX-OS shows an entry refreshed a moment ago with a fraction of a minute.
    const auto nxos = CRouterObj::ParseArpText(
        "Address         Age       MAC Address     Interface        Physical Interface\n"
        "146.118.1.93    0.106174  INCOMPLETE      Vlan701          Vlan701\n"
        "146.118.64.25   0.129496  fa16.3e23.ff3e  Vlan666          port-channel666\n");
    ASSERT_EQ(nxos.size(), 2u);
    EXPECT_EQ(nxos[1].age, "0.129496");
    EXPECT_EQ(nxos[1].interface, "Vlan666");
}

// A table of another command is no MAC table, even with MAC addresses in it.
TEST(L2ParserTest, MacParserRefusesArpOutput)
{
    EXPECT_TRUE(CCiscoSwitchObj::ParseMacText(
                    "Protocol  Address          Age (min)  Hardware Addr   Type   Interface\n"
                    "Internet  10.0.0.1                5   0011.2233.4455  ARPA   GigabitEthernet0/1\n"
                    "Internet  10.0.0.9               12   0011.2233.4466  ARPA   Vlan10\n")
                    .empty());
}

TEST(L2ParserTest, MacLayoutsOfOlderIosAndCatOs)
{
    const auto old = CCiscoSwitchObj::ParseMacText(
        "Destination Address  Address Type  VLAN  Destination Port\n"
        "-------------------  ------------  ----  --------------------\n"
        "000a.b7d5.0a40       Dynamic          1  FastEthernet0/1\n"
        "Total Mac Addresses for this criterion: 1\n");
    ASSERT_EQ(old.size(), 1u);
    EXPECT_EQ(old[0].vlan, "1");
    EXPECT_EQ(old[0].type, "Dynamic");
    EXPECT_EQ(old[0].ports, "FastEthernet0/1");

    const auto catos = CCiscoSwitchObj::ParseMacText(
        "VLAN  Dest MAC/Route Des    [CoS]  Destination Ports or VCs / [Protocol Type]\n"
        "----  ------------------    -----  -------------------------------------------\n"
        "1     00-10-7b-3b-7e-40             3/1 [ALL]\n"
        "20    00-60-5c-86-5b-81             4/1-2 [ALL]\n"
        "Total Matching CAM Entries Displayed  =2\n");
    ASSERT_EQ(catos.size(), 2u);
    EXPECT_EQ(catos[1].vlan, "20");
    EXPECT_EQ(catos[1].mac, "00-60-5c-86-5b-81");
    EXPECT_EQ(catos[1].ports, "4/1-2");
}

// The flood lists of the multicast section are no learned addresses; a
// unicast section after it is read again.
TEST(L2ParserTest, MacSectionsKeepOnlyUnicastEntries)
{
    const auto entries = CCiscoSwitchObj::ParseMacText(
        "Unicast Entries\n"
        " vlan     mac address     type        protocols               port\n"
        "---------+---------------+--------+---------------------+-------------------------\n"
        "  20      0011.2233.4455   dynamic ip,ipx,assigned,other GigabitEthernet1/1\n"
        "  20      0011.2233.4466    static ip,ipx,assigned,other Switch\n"
        "\n"
        "Multicast Entries\n"
        " vlan     mac address     type    ports\n"
        "---------+---------------+-------+--------------------------------------------\n"
        "   1      ffff.ffff.ffff   system\n"
        "  20      0100.5e00.0001   igmp   Gi1/1,Gi1/2,Gi1/3,Gi1/4,Gi1/5,Gi1/6,Gi1/7\n"
        "                                  Gi1/8,Switch\n"
        "  20      ffff.ffff.ffff   system Gi1/1,Gi1/2,Switch\n"
        "\n"
        "Unicast Entries\n"
        " vlan     mac address     type        protocols               port\n"
        "---------+---------------+--------+---------------------+-------------------------\n"
        "  30      0011.2233.4477   dynamic ip,ipx,assigned,other Port-channel2\n");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].mac, "0011.2233.4455");
    EXPECT_EQ(entries[0].ports, "GigabitEthernet1/1");
    EXPECT_EQ(entries[1].type, "static");
    EXPECT_EQ(entries[1].ports, "Switch");
    EXPECT_EQ(entries[2].vlan, "30");
    EXPECT_EQ(entries[2].mac, "0011.2233.4477");
    EXPECT_EQ(entries[2].ports, "Port-channel2");
}

// Wrapped port lists carry one or several ports a line, right of the MAC
// column; a line that starts further left is no part of the list.
TEST(L2ParserTest, MacPortListsGoOnOnTheFollowingLines)
{
    const auto entries = CCiscoSwitchObj::ParseMacText(
        "      vlan   mac address    type   learn    age                 ports\n"
        "-----+----+---------------+-------+-----+----------+-----------------------------\n"
        "          1 0100.0ccc.ccce   static   No       -    Gi1/14 Po5 Po10 \n"
        "                                                       Po30 Po40\n"
        "                                                       Po70\n"
        "         50 5ca0.15a9.103e  dynamic  Yes       15     Po50\n"
        "  Switch\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].ports, "Gi1/14,Po5,Po10,Po30,Po40,Po70");
    EXPECT_EQ(entries[1].ports, "Po50");
}

TEST(L2ParserTest, CdpTakesTheFirstAddressAndKeepsAnEntryCutShort)
{
    const auto entries = CDeviceObj::ParseCdpText(
        "-------------------------\n"
        "Device ID: core-2\n"
        "Entry address(es):\n"
        "  IP address: 10.0.0.2\n"
        "  IP address: 10.0.1.2\n"
        "Platform: cisco WS-C3850,  Capabilities: Router Switch IGMP\n"
        "Interface: GigabitEthernet1/0/1,  Port ID (outgoing port): GigabitEthernet2/0/1\n"
        "-------------------------\n"
        "Device ID: phone-7\n"
        "Management address(es):\n"
        "  IP address: 10.9.0.7\n"
        "Platform: Cisco IP Phone 8841,  Capabilities: Host Phone\n"
        "Interface: GigabitEthernet1/0/7,  Port ID (outgo");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].managementIp, "10.0.0.2");
    EXPECT_EQ(entries[0].remotePort, "GigabitEthernet2/0/1");
    EXPECT_EQ(entries[1].managementIp, "10.9.0.7");
    EXPECT_EQ(entries[1].platform, "Cisco IP Phone 8841");
    EXPECT_EQ(entries[1].localInterface, "GigabitEthernet1/0/7");
}

TEST(L2ParserTest, TablesLandInTheNamedDataFolderAndErrorsWriteNothing)
{
    twtest::TempDir dir;
    ASSERT_TRUE(TWFileSystem::CreateProject(dir / "proj", "proj"));
    TWFileSystem project(dir / "proj");
    SetCurrBaselineFileSystem(&project);
    const std::string arp = "Internet  10.0.0.1   -   0011.2233.4455  ARPA   Vlan1\n";
    EXPECT_TRUE(CRouterObj::ParseArpTable("sw/1", 1021, "Local default", arp, ""));
    EXPECT_EQ(dir.ReadFile("proj/DataFolders/Local default/LiveArpTable/sw%2F1.oat"),
              "protocol\taddress\tage\tmac\ttype\tinterface\r\nInternet\t10.0.0.1\t-\t0011.2233.4455\tARPA\tVlan1\r\n");

    EXPECT_FALSE(CRouterObj::ParseArpTable("r2", 1021, "Local default", kError, ""));
    EXPECT_FALSE(CCiscoSwitchObj::ParseMacTable("r2", 1021, "Local default", kError, ""));
    EXPECT_FALSE(CDeviceObj::ParseCdpTable("r2", 1021, "Local default", kError, "", {}));
    EXPECT_FALSE(CRouterObj::ParseArpTable("r2", 1021, "No such DataFolder", arp, ""));
    SetCurrBaselineFileSystem(nullptr);
    EXPECT_FALSE(fs::exists(dir / "proj/DataFolders/Local default/LiveArpTable/r2.oat"));
    EXPECT_FALSE(fs::exists(dir / "proj/DataFolders/Local default/LiveMacTable"));
    EXPECT_FALSE(fs::exists(dir / "proj/DataFolders/Local default/LiveCdpTable"));
}

TEST(L2ParserTest, HugeLinesAndBinaryNoiseEndWithoutATable)
{
    std::string noise(1 << 20, 'x');
    for (std::size_t i = 0; i < 4096; ++i)
        noise += static_cast<char>((i * 131) & 0xFF);
    noise += "\n" + std::string(1 << 20, ' ') + "0011.2233.4455\n";
    RoutingTable table;
    EXPECT_FALSE(table.ParseCmdString(noise));
    EXPECT_TRUE(CRouterObj::ParseArpText(noise).empty());
    EXPECT_TRUE(CCiscoSwitchObj::ParseMacText(noise).empty());
    EXPECT_TRUE(CDeviceObj::ParseCdpText(noise).empty());
    CCliResultParserRule rule;
    ASSERT_TRUE(rule.LoadFile(TWFileSystem::GetSystemConfFolder() + "fix_CliShowIfCmdRule.xml"));
    std::vector<CCliResultParserRule::Record> records;
    EXPECT_EQ(rule.ParseCliResult(noise + "\n" + std::string(100000, 'G') + " is up\n", records, 0), 0);
}

TEST(InterfaceParsingTest, ShortNamesOfFullInterfaceNames)
{
    const auto& types = InterfaceTypeCfg::Instance();
    EXPECT_EQ(types.getIfNameBknFromFull("GigabitEthernet0/1"), "Gi0/1");
    EXPECT_EQ(types.getIfNameBknFromFull("TenGigabitEthernet1/1/3"), "Te1/1/3");
    EXPECT_EQ(types.getIfNameBknFromFull("FastEthernet 0/1"), "Fa0/1");
    EXPECT_EQ(types.getIfNameBknFromFull("port-channel12"), "Po12");
    EXPECT_EQ(types.getIfNameBknFromFull("Ethernet1/1.2151"), "Eth1/1.2151");
    EXPECT_EQ(types.getIfNameBknFromFull("Vlan248"), "Vl248");
    EXPECT_EQ(types.getIfNameBknFromFull("Gi0/1"), "Gi0/1");
    EXPECT_EQ(types.getIfNameBknFromFull("mgmt0"), "mgmt0");
    EXPECT_EQ(types.getIfNameBknFromFull("  "), "");
    EXPECT_EQ(types.getIfNameFullFromBkn("Te1/1"), "TenGigabitEthernet1/1");
}

TEST(InterfaceParsingTest, RuleFileRecordsAndBadRuleFiles)
{
    twtest::TempDir dir;
    CCliResultParserRule rule;
    EXPECT_FALSE(rule.LoadFile(dir / "missing.xml"));
    dir.WriteFile("bad.xml", "<CliResultParserRule><Rule><Line pattern=\"([a-z\"/></Rule></CliResultParserRule>");
    EXPECT_FALSE(rule.LoadFile(dir / "bad.xml"));
    dir.WriteFile("group.xml", "<CliResultParserRule><Rule><Line pattern=\"(a)\"><Field group=\"2\" name=\"X\"/>"
                               "</Line></Rule></CliResultParserRule>");
    EXPECT_FALSE(rule.LoadFile(dir / "group.xml"));
    EXPECT_EQ(rule.GetRuleCount(), 0);

    ASSERT_TRUE(rule.LoadFile(TWFileSystem::GetSystemConfFolder() + "fix_CliShowIfCmdRule.xml"));
    std::vector<CCliResultParserRule::Record> records;
    EXPECT_EQ(rule.ParseCliResult("  Hardware is Gigabit Ethernet, address is 0000.1111.2222\n"
                                  "GigabitEthernet0/1 is up, line protocol is up (connected)\n"
                                  "  Hardware is Gigabit Ethernet, address is 0011.2233.4455 (bia 0011.2233.4455)\n"
                                  "  Internet address is 10.0.0.1/24\n"
                                  "Loopback0 is up, line protocol is up\n"
                                  "  Hardware is Loopback\n",
                                  records, 0),
              2);
    EXPECT_EQ(records[0]["Interface Name"], std::vector<std::string>{"GigabitEthernet0/1"});
    EXPECT_EQ(records[0]["Mac Address"], std::vector<std::string>{"0011.2233.4455"});
    EXPECT_EQ(records[0]["IP Address"], std::vector<std::string>{"10.0.0.1/24"});
    EXPECT_EQ(records[1].count("Mac Address"), 0u);
}

TEST(InterfaceParsingTest, LiveInterfaceTableRoundTripsAndEmptyKeepsTheOldOne)
{
    twtest::TempDir dir;
    std::vector<IfTableEntry> entries(2);
    entries[0].index = 1, entries[0].name = "Gi0/1", entries[0].macAddress = "0011.2233.4455";
    entries[1].index = 2, entries[1].name = "Vl10", entries[1].macAddress = "0011.2233.4466";
    ASSERT_TRUE(TWLiveData::SaveLiveInterfaceData(dir / "LiveInterface/", "sw1", entries));
    EXPECT_EQ(dir.ReadFile("LiveInterface/sw1.inte"),
              "index\tinterface\tmac_address\r\n1\tGi0/1\t0011.2233.4455\r\n2\tVl10\t0011.2233.4466\r\n");
    EXPECT_FALSE(TWLiveData::SaveLiveInterfaceData(dir / "LiveInterface/", "sw1", {}));
    std::vector<IfTableEntry> back;
    ASSERT_TRUE(TWLiveData::LoadLiveInterfaceData(dir / "LiveInterface/", "sw1", back));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].index, 2);
    EXPECT_EQ(back[1].name, "Vl10");
}

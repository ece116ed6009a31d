// Tables parsed from real device output (ntc/ fixtures), changed by hand the
// way a network changes between two captures, then compared by their keys.
#include "host/l2/CCiscoSwitchObj.h"
#include "host/l2/CRouterObj.h"
#include "host/netutil/CKeyedTableCompare.h"
#include "host/netutil/RoutingTable.h"
#include "host/netutil/TableFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using Rows = std::vector<TableFile::Row>;
const std::string kNtc = std::string(TW_SOURCE_DIR) + "/tests/host/parsers/ntc/cisco_ios/";

// One change as a line of text: "changed 4.4.0.0/16 nexthops: a -> b".
std::string Describe(const KeyedRowChange& change)
{
    std::string key;
    for (std::size_t i = 0; i < change.key.size(); ++i)
        key += (i ? "|" : "") + change.key[i];
    std::string text = std::string(CKeyedTableCompare::KindName(change.kind)) + " " + key;
    if (change.kind == KeyedChangeKind::Changed)
        for (const KeyedCellChange& cell : change.cells)
            text += " " + cell.column + ": " + cell.oldValue + " -> " + cell.newValue;
    return text + (change.duplicate ? " (duplicate)" : "");
}

std::vector<std::string> Describe(const KeyedTableDiff& diff)
{
    std::vector<std::string> lines;
    for (const KeyedRowChange& change : diff.changes)
        lines.push_back(Describe(change));
    return lines;
}

class KeyedCompare : public ::testing::Test {
protected:
    // The device's output parsed and written as <name>; its rows in rows.
    std::string Route(const std::string& name)
    {
        RoutingTable table("r1");
        EXPECT_TRUE(table.ParseCmdString(twtest::ReadBytes(kNtc + "show_ip_route/cisco_ios_show_ip_route.raw")));
        EXPECT_TRUE(table.SaveRTData(m_tmp / name));
        return m_tmp / name;
    }
    std::string Arp(const std::string& name)
    {
        Rows rows;
        for (const auto& e : CRouterObj::ParseArpText(twtest::ReadBytes(kNtc + "show_ip_arp/cisco_ios_show_ip_arp.raw")))
            rows.push_back({e.protocol, e.address, e.age, e.mac, e.type, e.interface});
        EXPECT_TRUE(TableFile::Write(m_tmp / name, CRouterObj::ArpColumns(), rows));
        return m_tmp / name;
    }
    std::string Mac(const std::string& name)
    {
        Rows rows;
        const std::string raw = kNtc + "show_mac-address-table/cisco_ios_show_mac-address-table2.raw";
        for (const auto& e : CCiscoSwitchObj::ParseMacText(twtest::ReadBytes(raw)))
            rows.push_back({e.vlan, e.mac, e.type, e.ports});
        EXPECT_TRUE(TableFile::Write(m_tmp / name, CCiscoSwitchObj::MacColumns(), rows));
        return m_tmp / name;
    }
    // A copy of the table at path as <name>, its rows changed by edit.
    std::string Edited(const std::string& path, const std::string& name, const std::function<void(Rows&)>& edit)
    {
        TableFile::Row header;
        Rows rows;
        EXPECT_TRUE(TableFile::Read(path, header, rows));
        edit(rows);
        EXPECT_TRUE(TableFile::Write(m_tmp / name, header, rows));
        return m_tmp / name;
    }
    static TableFile::Row& Find(Rows& rows, std::size_t column, const std::string& value)
    {
        auto found = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row[column] == value; });
        EXPECT_NE(found, rows.end()) << value;
        return found == rows.end() ? rows.front() : *found;
    }
    static void Erase(Rows& rows, std::size_t column, const std::string& value)
    {
        rows.erase(std::remove_if(rows.begin(), rows.end(), [&](const auto& row) { return row[column] == value; }),
                   rows.end());
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        EXPECT_TRUE(m_tmp.WriteFile(name, bytes));
        return m_tmp / name;
    }

    twtest::TempDir m_tmp;
};

} // namespace

TEST_F(KeyedCompare, RouteTableByPrefixWithItsSetOfNextHops)
{
    const std::string before = Route("r1.ort");
    const std::string after = Edited(before, "r1$after.ort", [](Rows& rows) {
        // Columns: protocol vrf network prefix_length distance metric nexthop_ip nexthop_if uptime
        Find(rows, 2, "4.4.0.0")[6] = "194.0.0.3";           // a changed next hop
        Erase(rows, 2, "6.6.0.0");                            // a withdrawn route
        auto hop = std::find_if(rows.begin(), rows.end(),     // one of two equal-cost paths lost
                                [](const auto& r) { return r[2] == "1.1.1.1" && r[6] == "192.168.0.1"; });
        ASSERT_NE(hop, rows.end());
        rows.erase(hop);
        for (auto& row : rows)                                // a later capture: every uptime moved
            if (!row[8].empty())
                row[8] = "00:00:07";
        std::reverse(rows.begin(), rows.end());               // the order of rows means nothing
        rows.push_back({"S", "", "10.9.0.0", "16", "1", "0", "10.0.1.2", "", ""});
    });

    const KeyedTableDiff diff = CKeyedTableCompare::CompareFiles(before, after);
    ASSERT_TRUE(diff.ok) << diff.error;
    EXPECT_EQ(diff.keyColumns, (std::vector<std::string>{"vrf", "network", "prefix_length"}));
    EXPECT_EQ(Describe(diff), (std::vector<std::string>{
                                  "changed |1.1.1.1|32 nexthops: 192.168.0.1, 212.0.0.1 -> 212.0.0.1",
                                  "changed |4.4.0.0|16 nexthops: 194.0.0.2 FastEthernet0/0.100 -> "
                                  "194.0.0.3 FastEthernet0/0.100",
                                  "removed |6.6.0.0|16",
                                  "added |10.9.0.0|16",
                              }));
    EXPECT_EQ(diff.Count(KeyedChangeKind::Changed), 2u);
    EXPECT_EQ(diff.secondKeys, diff.firstKeys);
    EXPECT_EQ(diff.unchanged + 3, diff.firstKeys);
    // The removed route keeps what it was, for the reader to see where it went.
    const KeyedRowChange& removed = diff.changes[2];
    ASSERT_EQ(removed.cells.size(), 4u);   // protocol distance metric nexthops; uptime is ignored
    EXPECT_EQ(removed.cells[3].oldValue, "195.0.0.1");
    EXPECT_GT(removed.firstLine, 1u);
    EXPECT_TRUE(diff.duplicates.empty());
    EXPECT_TRUE(diff.warnings.empty());

    // Asked for, the uptimes show as changes of their own.
    const KeyedTableDiff all = CKeyedTableCompare::CompareFiles(before, after, {true});
    ASSERT_TRUE(all.ok);
    EXPECT_GT(all.Count(KeyedChangeKind::Changed), 10u);
    const auto uptime = std::find_if(all.changes.begin(), all.changes.end(),
                                     [](const auto& c) { return c.key[1] == "5.5.5.0"; });
    ASSERT_NE(uptime, all.changes.end());
    ASSERT_EQ(uptime->cells.size(), 1u);
    EXPECT_EQ(uptime->cells[0].column, "uptime");
    EXPECT_EQ(uptime->cells[0].oldValue + " -> " + uptime->cells[0].newValue, "00:12:01 -> 00:00:07");
    EXPECT_TRUE(uptime->cells[0].ignored);

    // A table compared with itself has nothing to say.
    const KeyedTableDiff same = CKeyedTableCompare::CompareFiles(after, after);
    EXPECT_TRUE(same.ok && !same.Differs());
}

TEST_F(KeyedCompare, ArpEntryAddedMacAddressMovedInterfaceAdded)
{
    const std::string arp = Arp("r1.oat");
    const std::string arpAfter = Edited(arp, "r1$after.oat", [](Rows& rows) {
        // protocol address age mac type interface
        rows.push_back({"Internet", "172.16.233.230", "0", "0000.0c59.f893", "ARPA", "Ethernet0/0"});
        Find(rows, 1, "172.16.168.254")[2] = "12";   // only older
        Find(rows, 1, "172.16.233.19")[3] = "0000.0c63.1301";
    });
    const KeyedTableDiff arpDiff = CKeyedTableCompare::CompareFiles(arp, arpAfter);
    ASSERT_TRUE(arpDiff.ok) << arpDiff.error;
    EXPECT_EQ(Describe(arpDiff), (std::vector<std::string>{
                                     "changed 172.16.233.19 mac: 0000.0c63.1300 -> 0000.0c63.1301",
                                     "added 172.16.233.230",
                                 }));

    const std::string mac = Mac("sw1.omt");
    const std::string macAfter = Edited(mac, "sw1$after.omt", [](Rows& rows) {
        Find(rows, 1, "30a3.30a3.daf5")[3] = "Po6";                    // a host moved to another port
        Find(rows, 1, "30a3.30a3.a1c3")[1] = "30A3.30A3.A1C3";         // another spelling, the same address
    });
    const KeyedTableDiff macDiff = CKeyedTableCompare::CompareFiles(mac, macAfter);
    ASSERT_TRUE(macDiff.ok) << macDiff.error;
    EXPECT_EQ(Describe(macDiff), (std::vector<std::string>{"changed 667|30a3.30a3.daf5 ports: Te3/20 -> Po6"}));

    // A new subinterface shifts the index of those after it; only real changes show.
    const std::string header = "index\tinterface\tmac_address\r\n";
    const std::string ifBefore = Write("r1.inte", header + "1\tGi0/0\t5254.0012.3401\r\n2\tGi0/1\t5254.0012.3411\r\n");
    const std::string ifAfter = Write("r1$after.inte", header + "1\tGi0/0\t5254.0012.3401\r\n2\tGi0/0.10\t5254.0012.3401\r\n"
                                                                "3\tGi0/1\t5254.0012.3412\r\n");
    const KeyedTableDiff ifDiff = CKeyedTableCompare::CompareFiles(ifBefore, ifAfter);
    ASSERT_TRUE(ifDiff.ok) << ifDiff.error;
    EXPECT_EQ(Describe(ifDiff), (std::vector<std::string>{
                                    "added Gi0/0.10",
                                    "changed Gi0/1 mac_address: 5254.0012.3411 -> 5254.0012.3412",
                                }));
}

TEST_F(KeyedCompare, DuplicateKeysAreReportedAndStillCompared)
{
    const std::string header = "local_interface\tdestination_host\tremote_port\tmanagement_ip\tplatform\t"
                               "capabilities\tsoftware_version\r\n";
    const std::string before = Write("a.cdp", header + "Gi0/1\tsw2\tGi0/24\t10.0.0.2\tWS-C2960\tSwitch\tIOS 15.2\r\n");
    const std::string after =
        Write("b.cdp", header + "Gi0/1\tsw2\tGi0/24\t10.0.0.2\tWS-C2960\tSwitch\tIOS 15.2\r\n"
                                "Gi0/2\tsw3\tGi0/1\t10.0.0.3\tWS-C2960\tSwitch\tIOS 15.2\r\n"
                                "Gi0/1\tsw2\tGi0/23\t10.0.0.2\tWS-C2960\tSwitch\tIOS 15.2\r\n");
    const KeyedTableDiff diff = CKeyedTableCompare::CompareFiles(before, after);
    ASSERT_TRUE(diff.ok) << diff.error;
    ASSERT_EQ(diff.duplicates.size(), 1u);
    EXPECT_EQ(diff.duplicates[0].table, 2);
    EXPECT_EQ(diff.duplicates[0].lines, (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(Describe(diff), (std::vector<std::string>{"added Gi0/1|sw2 (duplicate)", "added Gi0/2|sw3"}));
    EXPECT_EQ(diff.changes[0].secondLine, 4u);

    // A route listing one next hop twice.
    const std::string routes = Write("r.ort", "protocol\tvrf\tnetwork\tprefix_length\tdistance\tmetric\tnexthop_ip\t"
                                              "nexthop_if\tuptime\r\n"
                                              "S\t\t1.1.1.1\t32\t1\t0\t212.0.0.1\t\t\r\n"
                                              "S\t\t1.1.1.1\t32\t1\t0\t212.0.0.1\t\t\r\n");
    const KeyedTableDiff twice = CKeyedTableCompare::CompareFiles(routes, routes);
    ASSERT_TRUE(twice.ok);
    ASSERT_EQ(twice.duplicates.size(), 2u);
    EXPECT_FALSE(twice.Differs());
    EXPECT_EQ(CKeyedTableCompare::DuplicateText(twice.kind, twice.duplicates[0], "'r.ort'"),
              "Lines 2 and 3 of 'r.ort' are the route 1.1.1.1/32, which lists one next hop twice.");
}

TEST_F(KeyedCompare, BadTablesGetAClearMessage)
{
    const std::string route = Route("r1.ort");
    const std::string arp = Arp("r1.oat");
    const auto error = [](const std::string& a, const std::string& b) {
        const KeyedTableDiff diff = CKeyedTableCompare::CompareFiles(a, b);
        EXPECT_FALSE(diff.ok);
        EXPECT_TRUE(diff.changes.empty());
        return diff.error;
    };
    EXPECT_EQ(error(route, arp), "The two tables are of different kinds and cannot be compared: '" + route +
                                     "' is a route table, '" + arp + "' an ARP table.");
    const std::string wrongHeader = Write("r2.ort", "vlan\tmac\ttype\tports\r\n10\t0000.0c59.f892\tdynamic\tGi0/1\r\n");
    EXPECT_EQ(error(route, wrongHeader), "The table '" + wrongHeader +
                                             "' is not a route table as its name says: its header reads 'vlan, mac, "
                                             "type, ports' where a route table has 'protocol, vrf, network, "
                                             "prefix_length, distance, metric, nexthop_ip, nexthop_if, uptime'.");
    const std::string notATable = Write("notes.txt", "hello\tworld\r\n");
    EXPECT_EQ(error(notATable, notATable), "The file '" + notATable + "' is not a table the workstation compares: "
                                           "its header 'hello, world' is not that of a route, ARP, MAC, CDP or "
                                           "interface table.");
    const std::string empty = Write("empty.oat", "");
    EXPECT_EQ(error(arp, empty), "The table '" + empty + "' is empty: it holds not even its header line.");
    const std::string binary = Write("bin.oat", std::string("PK\3\4\0\0", 6));
    EXPECT_EQ(error(binary, arp), "The file '" + binary + "' is a binary file, not a table, and cannot be compared.");
    EXPECT_EQ(error(arp, m_tmp / "gone.oat"),
              "The table '" + m_tmp / "gone.oat" + "' cannot be read: it is missing or unreadable.");

    // Rows that cannot be read are named and left out; the rest is compared.
    const std::string header = "protocol\taddress\tage\tmac\ttype\tinterface\r\n";
    const std::string good = "Internet\t10.0.0.1\t-\t0000.0c59.f892\tARPA\tGi0/0\r\n";
    const std::string broken = Write("broken.oat", header + good + "Internet\t10.0.0.2\t5\r\n" +
                                                       "Internet\t10.0.0.3\t5\t0000.0c59.f893\tARPA\tGi0");
    const std::string headerOnly = Write("none.oat", header);
    const KeyedTableDiff diff = CKeyedTableCompare::CompareFiles(headerOnly, broken);
    ASSERT_TRUE(diff.ok) << diff.error;
    EXPECT_EQ(diff.warnings, (std::vector<std::string>{
                                 "Line 3 of '" + broken + "' has 3 of the 6 columns and is left out.",
                                 "The last line (4) of '" + broken + "' ends without a line end: the table is cut "
                                 "short there, and that row is left out.",
                             }));
    EXPECT_EQ(Describe(diff), (std::vector<std::string>{"added 10.0.0.1"}));
    EXPECT_EQ(diff.firstKeys, 0u);
}

// Real Cisco outputs (ntc/, from the ntc-templates project) run through our
// parsers into table files; the fields our tables share with the project's
// expected records are compared record by record, and each kind and platform
// is scored by record F1: a missed record and an extra row both cost.
// TW_NTC_FIXTURES names another folder of the same layout to score instead.
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

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

using Record = std::map<std::string, std::string>;   // list values joined by ','
// Marks an expected record that must have no row; a row made for it anyway
// is an extra row.
const std::string kAbsent = "(absent)";

std::string FixtureRoot()
{
    const char* other = std::getenv("TW_NTC_FIXTURES");
    return other && *other ? std::string(other) + "/" : std::string(TW_SOURCE_DIR) + "/tests/host/parsers/ntc/";
}

const std::string kFixtures = FixtureRoot();

std::string Unquote(const std::string& raw)
{
    if (raw.size() < 2 || raw.front() != '"')
        return raw;
    std::string out;
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 2 < raw.size())
            ++i;
        out += raw[i];
    }
    return out;
}

// Reader of the fixtures' YAML: a list of flat mappings whose values are
// double-quoted strings, lists of them, or folded quoted strings.
std::vector<Record> ReadExpected(const std::string& path)
{
    std::vector<Record> records;
    std::string text = twtest::ReadBytes(path);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::string listKey;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent == std::string::npos || line.compare(indent, 3, "---") == 0 || line == "parsed_sample:")
            continue;
        std::string body = line.substr(indent);
        if (body.rfind("- ", 0) == 0 && !listKey.empty() && indent > 4) {
            std::string& value = records.back()[listKey];
            value += (value.empty() ? "" : ",") + Unquote(body.substr(2));
            continue;
        }
        if (body.rfind("- ", 0) == 0) {
            records.emplace_back();
            body = body.substr(2);
        }
        const std::size_t colon = body.find(':');
        if (colon == std::string::npos || records.empty())
            continue;
        const std::string key = body.substr(0, colon);
        std::string value = colon + 1 < body.size() ? body.substr(colon + 2) : std::string();
        // A quoted value folded over several lines: a trailing backslash joins without a blank.
        while (value.size() > 1 && value.front() == '"' && (value.back() != '"' || value.size() == 1) &&
               i + 1 < lines.size()) {
            std::string next = lines[++i];
            next.erase(0, next.find_first_not_of(' '));
            if (!value.empty() && value.back() == '\\')
                value.pop_back();
            else
                value += ' ';
            value += next;
        }
        listKey = value.empty() ? key : std::string();
        records.back()[key] = value == "[]" ? std::string() : Unquote(value);
    }
    return records;
}

// Rows of a table file as column name -> cell.
std::vector<Record> ReadTable(const std::string& path)
{
    TableFile::Row header;
    std::vector<TableFile::Row> rows;
    std::vector<Record> out;
    if (!TableFile::Read(path, header, rows))
        return out;
    for (const auto& row : rows) {
        Record record;
        for (std::size_t i = 0; i < header.size() && i < row.size(); ++i)
            record[header[i]] = row[i];
        out.push_back(std::move(record));
    }
    return out;
}

// How a kind's expected record becomes the cells of our table.
struct Kind {
    std::string folder;                                    // fixture folder
    std::vector<std::pair<std::string, std::string>> map;  // our column <- expected field
    // Writes the table of raw output into dataFolder; its path, or empty when the parser said no.
    std::function<std::string(const std::string& raw, const std::string& dataFolder)> parse;
    std::function<void(Record& expected)> adjust;          // platform quirks of the expected side
};

struct Score {
    int matched = 0;   // expected records with a row of the same cells
    int expected = 0;  // expected records that should have a row
    int rows = 0;      // rows the parser wrote
    double Precision() const { return rows ? static_cast<double>(matched) / rows : 0.0; }
    double Recall() const { return expected ? static_cast<double>(matched) / expected : 0.0; }
    double F1() const
    {
        const double p = Precision(), r = Recall();
        return p + r > 0 ? 2 * p * r / (p + r) : 0.0;
    }
};

std::vector<std::string> Cells(const Record& record, const Kind& kind, bool expectedSide)
{
    std::vector<std::string> cells;
    for (const auto& [ours, theirs] : kind.map) {
        const auto it = record.find(expectedSide ? theirs : ours);
        cells.push_back(it == record.end() ? std::string() : it->second);
    }
    return cells;
}

Score RunKind(const Kind& kind, const std::string& platform)
{
    Score score;
    const std::string folder = kFixtures + platform + "/" + kind.folder;
    if (!fs::is_directory(folder))
        return score;
    for (const auto& file : fs::directory_iterator(folder)) {
        if (file.path().extension() != ".raw")
            continue;
        twtest::TempDir dataFolder;
        const std::string table = kind.parse(twtest::ReadBytes(file.path().string()), dataFolder.Path());
        std::vector<Record> expected = ReadExpected(fs::path(file.path()).replace_extension(".yml").string());
        std::vector<Record> parsed = table.empty() ? std::vector<Record>() : ReadTable(table);
        std::vector<bool> used(parsed.size(), false);
        int matched = 0;
        int wanted = 0;
        for (Record& record : expected) {
            if (kind.adjust)
                kind.adjust(record);
            if (record.count(kAbsent))
                continue;
            ++wanted;
            const auto want = Cells(record, kind, true);
            for (std::size_t i = 0; i < parsed.size(); ++i) {
                if (!used[i] && Cells(parsed[i], kind, false) == want) {
                    used[i] = true;
                    ++matched;
                    break;
                }
            }
        }
        std::printf("  %-55s %3d of %3d expected records, %3zu rows\n", file.path().filename().c_str(), matched,
                    wanted, parsed.size());
        score.matched += matched;
        score.expected += wanted;
        score.rows += static_cast<int>(parsed.size());
    }
    std::printf("%s %s: %d matched, %d expected, %d rows: precision %.3f recall %.3f F1 %.3f\n", platform.c_str(),
                kind.folder.c_str(), score.matched, score.expected, score.rows, score.Precision(), score.Recall(),
                score.F1());
    return score;
}

const std::string kDevice = "edge-1";

Kind RouteKind(const std::string& folder)
{
    return {folder,
            {{"protocol", "protocol"}, {"vrf", "vrf"}, {"network", "network"}, {"prefix_length", "prefix_length"},
             {"distance", "distance"}, {"metric", "metric"}, {"nexthop_ip", "nexthop_ip"},
             {"nexthop_if", "nexthop_if"}, {"uptime", "uptime"}},
            [](const std::string& raw, const std::string& dataFolder) {
                const std::string path = dataFolder + kDevice + ".ort";
                RoutingTable table(kDevice);
                return table.ParseCmdString(raw) && table.SaveRTData(path) ? path : std::string();
            },
            [](Record& r) {
                // Our protocol column keeps the IOS subtype ("O IA").
                if (!r["type"].empty() && r["protocol"].size() <= 2)
                    r["protocol"] += " " + r["type"];
                // NX-OS "Route not found" gives ntc a record without a network; it is no route.
                if (r["network"].empty())
                    r[kAbsent] = "1";
            }};
}

Kind ArpKind(const std::string& folder)
{
    return {folder,
            {{"address", "ip_address"}, {"age", "age"}, {"mac", "mac_address"}, {"interface", "interface"}},
            [](const std::string& raw, const std::string& dataFolder) {
                return CRouterObj::ParseArpTable(kDevice, 1021, dataFolder, raw, "")
                           ? TWFileSystem::GetLiveArpTableFolder(dataFolder) + kDevice + ".oat"
                           : std::string();
            },
            {}};
}

Kind MacKind(const std::string& folder, const std::string& macField, const std::string& portsField)
{
    return {folder,
            {{"vlan", "vlan"}, {"mac", macField}, {"type", "type"}, {"ports", portsField}},
            [](const std::string& raw, const std::string& dataFolder) {
                return CCiscoSwitchObj::ParseMacTable(kDevice, 1021, dataFolder, raw, "")
                           ? TWFileSystem::GetLiveMacTableFolder(dataFolder) + kDevice + ".omt"
                           : std::string();
            },
            {}};
}

Kind CdpKind(const std::string& folder, const std::string& hostField)
{
    return {folder,
            {{"local_interface", "local_interface"}, {"destination_host", hostField},
             {"remote_port", "neighbor_interface"}, {"management_ip", "mgmt_address"}, {"platform", "platform"},
             {"capabilities", "capabilities"}, {"software_version", "neighbor_description"}},
            [](const std::string& raw, const std::string& dataFolder) {
                return CDeviceObj::ParseCdpTable(kDevice, 1021, dataFolder, raw, "", {})
                           ? TWFileSystem::GetLiveCdpTableFolder(dataFolder) + kDevice + ".cdp"
                           : std::string();
            },
            [](Record& r) {
                // ntc keeps a trailing blank of the platform text; the table is trimmed.
                while (!r["platform"].empty() && r["platform"].back() == ' ')
                    r["platform"].pop_back();
                // IOS records keep the management address apart (mgmt_address is the entry address there).
                if (!r["mgmt_ip_address"].empty())
                    r["mgmt_address"] = r["mgmt_ip_address"];
            }};
}

// The importer's road for interfaces: rule file, short names, the live
// interface table. An interface without a MAC address has no row.
Kind InterfaceKind(const std::string& folder, const std::string& macField)
{
    return {folder,
            {{"interface", "interface"}, {"mac_address", macField}},
            [](const std::string& raw, const std::string& dataFolder) {
                CCliResultParserRule rule;
                if (!rule.LoadFile(TWFileSystem::GetSystemConfFolder() + "fix_CliShowIfCmdRule.xml"))
                    return std::string();
                std::vector<CCliResultParserRule::Record> records;
                rule.ParseCliResult(raw, records, 0);
                std::vector<IfTableEntry> entries;
                for (auto& record : records) {
                    const auto name = record.find("Interface Name");
                    const auto mac = record.find("Mac Address");
                    if (name == record.end() || mac == record.end())
                        continue;
                    IfTableEntry entry;
                    entry.index = static_cast<int>(entries.size()) + 1;
                    entry.name = InterfaceTypeCfg::Instance().getIfNameBknFromFull(name->second.front());
                    entry.macAddress = mac->second.front();
                    entries.push_back(entry);
                }
                return TWLiveData::SaveLiveInterfaceData(dataFolder, kDevice, entries)
                           ? TWLiveData::LiveInterfaceFile(dataFolder, kDevice)
                           : std::string();
            },
            [macField](Record& r) {
                r["interface"] = InterfaceTypeCfg::Instance().getIfNameBknFromFull(r["interface"]);
                if (r[macField].empty())
                    r[kAbsent] = "1";
            }};
}

void ExpectF1(const Score& score, double atLeast)
{
    ASSERT_GT(score.expected, 0) << "no fixture records found under " << kFixtures;
    EXPECT_GE(score.F1(), atLeast) << score.matched << " matched of " << score.expected << " expected records and "
                                   << score.rows << " rows";
}

} // namespace

TEST(ParserFixtureTest, IosOutputsGiveTheExpectedRecords)
{
    ExpectF1(RunKind(RouteKind("show_ip_route"), "cisco_ios"), 0.98);
    ExpectF1(RunKind(ArpKind("show_ip_arp"), "cisco_ios"), 0.98);
    ExpectF1(RunKind(MacKind("show_mac-address-table", "destination_address", "destination_port"), "cisco_ios"), 0.98);
    ExpectF1(RunKind(CdpKind("show_cdp_neighbors_detail", "neighbor_name"), "cisco_ios"), 0.98);
    ExpectF1(RunKind(InterfaceKind("show_interfaces", "address"), "cisco_ios"), 0.98);
}

TEST(ParserFixtureTest, NxosOutputsGiveTheExpectedRecords)
{
    ExpectF1(RunKind(RouteKind("show_ip_route"), "cisco_nxos"), 0.98);
    ExpectF1(RunKind(ArpKind("show_ip_arp"), "cisco_nxos"), 0.98);
    ExpectF1(RunKind(MacKind("show_mac_address-table", "mac_address", "ports"), "cisco_nxos"), 0.98);
    ExpectF1(RunKind(CdpKind("show_cdp_neighbors_detail", "chassis_id"), "cisco_nxos"), 0.98);
    ExpectF1(RunKind(InterfaceKind("show_interface", "mac_address"), "cisco_nxos"), 0.98);
}

// Output whose lines end in CR alone gives each parser the table that the
// same output with LF gives.
TEST(ParserFixtureTest, CrOnlyOutputsGiveTheSameTables)
{
    const std::pair<Kind, std::string> kinds[] = {
        {RouteKind("show_ip_route"), "cisco_ios"},
        {ArpKind("show_ip_arp"), "cisco_nxos"},
        {MacKind("show_mac-address-table", "destination_address", "destination_port"), "cisco_ios"},
        {CdpKind("show_cdp_neighbors_detail", "neighbor_name"), "cisco_ios"},
        {InterfaceKind("show_interfaces", "address"), "cisco_ios"},
    };
    for (const auto& [kind, platform] : kinds) {
        int compared = 0;
        for (const auto& file : fs::directory_iterator(kFixtures + platform + "/" + kind.folder)) {
            if (file.path().extension() != ".raw")
                continue;
            SCOPED_TRACE(file.path().string());
            std::string lf = twtest::ReadBytes(file.path().string());
            lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
            std::string cr = lf;
            std::replace(cr.begin(), cr.end(), '\n', '\r');
            twtest::TempDir lfFolder;
            twtest::TempDir crFolder;
            const std::string lfTable = kind.parse(lf, lfFolder.Path());
            const std::string crTable = kind.parse(cr, crFolder.Path());
            if (lfTable.empty())
                continue;
            ASSERT_FALSE(crTable.empty());
            EXPECT_EQ(twtest::ReadBytes(crTable), twtest::ReadBytes(lfTable));
            ++compared;
        }
        EXPECT_GT(compared, 0) << kind.folder;
    }
}

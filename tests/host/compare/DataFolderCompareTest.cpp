// Two DataFolders on disk compared as a whole: what the report finds, what it
// refuses, and that neither DataFolder is touched.
#include "support/TempDir.h"

#include "host/compare/DataFolderComparer.h"
#include "host/compare/DeviceComparer.h"
#include "host/compare/ReportExport.h"
#include "host/compare/ReportTextWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string kArpHeader = "protocol\taddress\tage\tmac\ttype\tinterface\r\n";
const std::string kRouteHeader =
    "protocol\tvrf\tnetwork\tprefix_length\tdistance\tmetric\tnexthop_ip\tnexthop_if\tuptime\r\n";
const std::string kConnected = "C\t\t10.0.0.0\t30\t\t\t\tGi0/0\t\r\n";

// Every file under folder with its size and last-write time.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> Snapshot(const std::string& folder)
{
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().string()] = {entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    return files;
}

const ReportEntry* Find(const DataFolderReport& report, const std::string& device, CompareKind kind,
                        const std::string& item = {})
{
    for (const ReportEntry& entry : report.entries)
        if (entry.device == device && entry.kind == kind && entry.item == item)
            return &entry;
    return nullptr;
}

class DataFolderCompare : public ::testing::Test {
protected:
    void SetUp() override
    {
        // r1: configuration edited, a route added, one show command run again
        // with a new output; sw2: only in the first; fw3: only in the second.
        m_tmp.WriteFile("A/LiveConfig/r1.config", "hostname r1\r\ninterface Gi0/0\r\n ip address 10.0.0.1\r\n");
        m_tmp.WriteFile("B/LiveConfig/R1.config",
                        "hostname r1\r\ninterface Gi0/0\r\n ip address 10.0.0.1\r\n ip ospf cost 20\r\n");
        m_tmp.WriteFile("A/LiveConfig/sw2.config", "hostname sw2\r\n");
        m_tmp.WriteFile("B/LiveConfig/fw3.config", "hostname fw3\r\n");
        // Only the ARP entry's age differs: no change.
        m_tmp.WriteFile("A/LiveArpTable/r1.oat", kArpHeader + "Internet\t10.0.0.2\t12\t5254.0012.3402\tARPA\tGi0/0\r\n");
        m_tmp.WriteFile("B/LiveArpTable/r1.oat", kArpHeader + "Internet\t10.0.0.2\t4\t5254.0012.3402\tARPA\tGi0/0\r\n");
        m_tmp.WriteFile("A/LiveRouteTable/r1.ort", kRouteHeader + kConnected);
        m_tmp.WriteFile("B/LiveRouteTable/r1.ort",
                        kRouteHeader + kConnected + "O\t\t10.9.0.0\t16\t110\t20\t10.0.0.2\tGi0/0\t00:01:02\r\n");
        m_tmp.WriteFile("A/ShowCommand/r1$show clock$2026-11-20 09-00-00.000.txt", "09:00\r\n");
        m_tmp.WriteFile("B/ShowCommand/r1$show clock$2026-11-27 08-00-00.000.txt", "old\r\n");
        m_tmp.WriteFile("B/ShowCommand/r1$show clock$2026-11-27 09-00-00.000.txt", "09:00\r\n");
        m_tmp.WriteFile("B/ShowCommand/r1$show version$2026-11-27 09-00-00.000.txt", "IOS 15.9\r\n");
        m_tmp.WriteFile("B/ShowCommand/notes.txt", "not a result");
    }

    DataFolderReport Compare(CDataFolderComparer::DeviceKnown known = {})
    {
        CDataFolderComparer comparer(m_tmp / "A", "before", m_tmp / "B", "after");
        comparer.SetDeviceKnown(std::move(known));
        DataFolderReport report;
        std::string error;
        EXPECT_TRUE(comparer.Compare(report, error)) << error;
        return report;
    }

    twtest::TempDir m_tmp;
};

} // namespace

TEST_F(DataFolderCompare, FindsWhatWasAddedRemovedAndChangedPerDeviceAndKind)
{
    const DataFolderReport report = Compare();
    // A device's name in another case is the same device; the newest result
    // of a command stands for it; unchanged ARP table, same clock output.
    ASSERT_EQ(report.entries.size(), 5u) << CReportTextWriter::Write(report);
    const ReportEntry* config = Find(report, "r1", CompareKind::Configuration);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->change, ChangeKind::Changed);
    EXPECT_EQ(DataFolderReport::Describe(*config), "changed: 1 line added");
    const ReportEntry* routes = Find(report, "r1", CompareKind::RouteTable);
    ASSERT_TRUE(routes);
    EXPECT_EQ(routes->added, 1u);
    EXPECT_EQ(routes->removed, 0u);
    ASSERT_TRUE(Find(report, "r1", CompareKind::ShowCommand, "show version"));
    EXPECT_EQ(Find(report, "r1", CompareKind::ShowCommand, "show version")->change, ChangeKind::Added);
    EXPECT_FALSE(Find(report, "r1", CompareKind::ShowCommand, "show clock"));
    EXPECT_EQ(Find(report, "sw2", CompareKind::Configuration)->change, ChangeKind::Removed);
    EXPECT_EQ(Find(report, "fw3", CompareKind::Configuration)->change, ChangeKind::Added);
    EXPECT_EQ(report.devices, 3u);
    EXPECT_EQ(report.filesCompared, 4u);
    const KindCounts totals = report.Totals();
    EXPECT_EQ(totals.added, 2u);
    EXPECT_EQ(totals.removed, 1u);
    EXPECT_EQ(totals.changed, 2u);
    // Grouped by device: fw3, r1 (three rows), sw2.
    EXPECT_EQ(report.ChangedDevices(), (std::vector<std::string>{"fw3", "r1", "sw2"}));
}

TEST_F(DataFolderCompare, SavedTablesAndExtensionsInAnyCaseMatchLineEndsAloneDoNotAndIdenticalFoldersAreSame)
{
    m_tmp.WriteFile("B/LiveConfig/sw2.config", "hostname sw2\n");
    const std::string route = kRouteHeader + kConnected;
    m_tmp.WriteFile("A/LiveRouteTable/r1$before-change.ort", route);
    m_tmp.WriteFile("B/LiveRouteTable/r1$before-change.ort",
                    route + "S\t\t0.0.0.0\t0\t1\t0\t10.0.0.2\tGi0/0\t\r\n");
    m_tmp.WriteFile("A/LiveConfig/edge.CONFIG", "hostname edge\r\n");
    m_tmp.WriteFile("A/LiveConfig/ignored.bak", "not a configuration");
    const DataFolderReport changed = Compare();
    EXPECT_FALSE(Find(changed, "sw2", CompareKind::Configuration));
    const ReportEntry* saved = Find(changed, "r1", CompareKind::RouteTable, "before-change");
    ASSERT_TRUE(saved);
    EXPECT_EQ(DataFolderReport::Subject(*saved), "Route table \"before-change\"");
    EXPECT_EQ(DataFolderReport::Describe(*saved), "changed: 1 route added");
    // The device's own table is still reported apart from the saved one.
    EXPECT_TRUE(Find(changed, "r1", CompareKind::RouteTable));
    ASSERT_TRUE(Find(changed, "edge", CompareKind::Configuration));
    EXPECT_EQ(Find(changed, "edge", CompareKind::Configuration)->change, ChangeKind::Removed);
    EXPECT_FALSE(Find(changed, "ignored", CompareKind::Configuration));

    CDataFolderComparer same(m_tmp / "A", "", m_tmp / "A", "");
    DataFolderReport report;
    std::string error;
    ASSERT_TRUE(same.Compare(report, error));
    EXPECT_FALSE(report.HasDifferences());
    EXPECT_EQ(report.nameA, "A");
    EXPECT_NE(CReportTextWriter::Write(report).find("No differences.\n"), std::string::npos);
}

TEST_F(DataFolderCompare, BadInputIsReportedAndNothingIsWritten)
{
    // A table without its header line, a configuration that is no regular file.
    m_tmp.WriteFile("A/LiveMacTable/sw9.omt", "");
    m_tmp.WriteFile("B/LiveMacTable/sw9.omt", "vlan\tmac\ttype\tports\r\n");
    ASSERT_EQ(::mkfifo((m_tmp / "B/LiveConfig/sw2.config").c_str(), 0644), 0);
    const auto before = Snapshot(m_tmp.Path());

    const DataFolderReport report = Compare([](const std::string& device) { return device != "fw3"; });
    const ReportEntry* table = Find(report, "sw9", CompareKind::MacTable);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->change, ChangeKind::Unreadable);
    EXPECT_EQ(table->reason, "The table '" + m_tmp.Path() + "A/LiveMacTable/sw9.omt' is empty: it holds not even its "
                             "header line.");
    const ReportEntry* config = Find(report, "sw2", CompareKind::Configuration);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->change, ChangeKind::Unreadable);
    EXPECT_EQ(report.Totals().unreadable, 2u);
    EXPECT_EQ(report.unknownDevices, std::vector<std::string>{"fw3"});
    EXPECT_NE(CReportTextWriter::Write(report).find(
                  "Not in the project's device inventory (compared all the same): fw3"),
              std::string::npos);
    // A device's verdict on the unreadable file says which file.
    std::vector<DeviceComparison> rows;
    std::string error;
    ASSERT_TRUE(CDeviceComparer(m_tmp / "A", m_tmp / "B").Compare({"SW2"}, true, false, rows, error));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].configuration.verdict, Verdict::Unreadable);
    EXPECT_EQ(CDeviceComparer::Describe(rows[0].configuration),
              "Cannot be read: " + m_tmp.Path() + "B/LiveConfig/sw2.config is not a readable file.");
    EXPECT_EQ(Snapshot(m_tmp.Path()), before);

    // The second DataFolder vanished after it was chosen.
    fs::remove_all(m_tmp / "B");
    CDataFolderComparer gone(m_tmp / "A", "", m_tmp / "B", "");
    DataFolderReport empty;
    EXPECT_FALSE(gone.Compare(empty, error));
    EXPECT_EQ(error, "The folder " + m_tmp.Path() + "B cannot be found: it was deleted, moved or renamed.");
}

TEST_F(DataFolderCompare, ExportWritesTextWithCrLfOrEscapedHtmlAndKeepsTheOldFileOnFailure)
{
    m_tmp.WriteFile("B/LiveConfig/a%3Cb%3E.config", "hostname <b>\r\n");
    const DataFolderReport report = Compare();
    std::string error;
    ASSERT_TRUE(m_tmp.MakeDir("out"));
    ASSERT_TRUE(CReportExport::Save(report, m_tmp / "out/report.txt", error)) << error;
    const std::string text = m_tmp.ReadFile("out/report.txt");
    EXPECT_EQ(text.rfind("DataFolder comparison\r\nFirst:  before\r\nSecond: after\r\n", 0), 0u) << text;
    EXPECT_EQ(text.find("\n\n"), std::string::npos);

    ASSERT_TRUE(CReportExport::Save(report, m_tmp / "out/report.HTML", error)) << error;
    const std::string html = m_tmp.ReadFile("out/report.HTML");
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<h2>a&lt;b&gt;</h2>"), std::string::npos);
    EXPECT_EQ(html.find("<b>\r"), std::string::npos);
    EXPECT_EQ(html.find("http"), std::string::npos);   // self-contained

    EXPECT_FALSE(CReportExport::Save(report, m_tmp / "missing/report.txt", error));
    EXPECT_EQ(error.rfind("The report cannot be saved to " + m_tmp.Path() + "missing/report.txt: ", 0), 0u)
        << error;
    EXPECT_FALSE(m_tmp.Exists("missing"));
}

TEST_F(DataFolderCompare, DevicesGetAVerdictPerKindAgainstAProjectConfigurationFolder)
{
    m_tmp.WriteFile("Config/r1.config", "hostname r1\r\ninterface Gi0/0\r\n ip address 10.0.0.1\r\n");
    m_tmp.WriteFile("Config/sw2.config", "hostname sw2-new\r\n");
    std::vector<DeviceComparison> rows;
    std::string error;
    ASSERT_TRUE(CDeviceComparer(m_tmp / "A", m_tmp / "Config/")
                    .Compare({"r1", "sw2", "fw3", "gone"}, true, false, rows, error))
        << error;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].configuration.verdict, Verdict::Same);
    EXPECT_EQ(CDeviceComparer::Describe(rows[1].configuration), "Different: 1 line added, 1 removed");
    EXPECT_EQ(rows[2].configuration.verdict, Verdict::InNeither);
    EXPECT_EQ(rows[3].routeTable.verdict, Verdict::NotCompared);

    ASSERT_TRUE(CDeviceComparer(m_tmp / "A", m_tmp / "B").Compare({"r1", "sw2", "fw3"}, true, true, rows, error));
    EXPECT_EQ(CDeviceComparer::Describe(rows[0].routeTable), "Different: 1 route added");
    EXPECT_EQ(rows[1].configuration.verdict, Verdict::OnlyInFirst);
    EXPECT_EQ(rows[2].configuration.verdict, Verdict::OnlyInSecond);
    EXPECT_EQ(rows[2].routeTable.verdict, Verdict::InNeither);
}

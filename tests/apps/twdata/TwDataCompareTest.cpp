// "twdata compare" on a copy of the bundled sample project: the report of its
// two DataFolders against the golden file, the exit status a script tests,
// and the DataFolders left as they were.
#include "support/TempDir.h"
#include "TwdataRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class TwdataCompare : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(TW_SOURCE_DIR "/samples/sample-project", Project(), fs::copy_options::recursive);
    }
    std::string Project() const { return m_tmp.Path() + "Sample Project/"; }
    twtest::TwdataOutcome Compare(QStringList args) const
    {
        return twtest::RunTwdata(QStringList{"-p", QString::fromStdString(Project()), "compare"} + args);
    }

    twtest::TempDir m_tmp;
};

} // namespace

TEST_F(TwdataCompare, TheSampleDataFoldersGiveTheGoldenReport)
{
    const std::string html = m_tmp.Path() + "report.html";
    const auto run = Compare({"2026-11-20 Core audit", "2026-11-27 After change", "--html",
                              QString::fromStdString(html)});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, twtest::ReadBytes(TW_SOURCE_DIR "/tests/apps/twdata/golden/sample-compare.txt"));
    const std::string page = twtest::ReadBytes(html);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<h2>core-r1</h2>"), std::string::npos);
    // Nothing was written into either DataFolder: each holds the sample's files, byte for byte.
    for (const char* name : {"2026-11-20 Core audit", "2026-11-27 After change"}) {
        const fs::path copy = Project() + "DataFolders/" + name;
        const fs::path bundled = fs::path(TW_SOURCE_DIR "/samples/sample-project/DataFolders") / name;
        for (const auto& entry : fs::recursive_directory_iterator(copy)) {
            if (!entry.is_regular_file())
                continue;
            EXPECT_EQ(twtest::ReadBytes(entry.path()), twtest::ReadBytes(bundled / fs::relative(entry.path(), copy)))
                << entry.path();
        }
    }
}

TEST_F(TwdataCompare, StatusSaysSameDifferentOrTrouble)
{
    const auto same = Compare({"2026-11-27 After change", "2026-11-27 After change"});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_NE(same.out.find("No differences.\n"), std::string::npos);

    const auto unknown = Compare({"2026-11-20 Core audit", "No such"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "No DataFolder 'No such' in this project, and no folder of that path.\n");
    EXPECT_EQ(unknown.out, "");

    const auto unwritable = Compare({"2026-11-20 Core audit", "2026-11-27 After change", "--html",
                                     QString::fromStdString(m_tmp.Path() + "missing/report.html")});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_EQ(unwritable.err.rfind("The report cannot be saved to " + m_tmp.Path() + "missing/report.html: ", 0),
              0u)
        << unwritable.err;

    // A folder outside the project, named by its path, and called so.
    fs::copy(Project() + "DataFolders/2026-11-20 Core audit", m_tmp.Path() + "backup", fs::copy_options::recursive);
    const auto outside = Compare({QString::fromStdString(m_tmp.Path() + "backup"), "2026-11-20 Core audit"});
    EXPECT_EQ(outside.status, 0) << outside.err;
    EXPECT_EQ(outside.out.rfind("DataFolder comparison\nFirst:  " + m_tmp.Path() + "backup\nSecond: 2026-11-20 Core audit\n",
                                0),
              0u)
        << outside.out;

    const auto usage = Compare({"2026-11-20 Core audit"});
    EXPECT_EQ(usage.status, 2);
}

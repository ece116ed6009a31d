#include "host/util/CFileName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

using namespace std::chrono;

TEST(CFileName, HostileDeviceAndCommandTextsRoundTripAndStayInTheFolder)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/", ".."},           {"..", "."},
        {"core$1", "show $ip"}, {"r1:2", "show a|b > c < d * ? \"q\""},
        {"100%", "%41%"},       {"sw\\edge", "show run\r\n\t"},
        {"Zürich-核心", "show ip route vrf 東京"}, {"", ""},
        {"r1. ", "show  "}};
    twtest::TempDir dir;
    for (const auto& [device, command] : cases) {
        const std::string name = CFileName::ToShowCommandResultFileName(device, command, "", "txt");
        ASSERT_EQ(name.find('/'), std::string::npos) << name;
        for (char c : std::string("\\:*?\"<>|\r\n\t"))
            EXPECT_EQ(name.find(c), std::string::npos) << name;
        EXPECT_EQ(std::count(name.begin(), name.end(), '$'), 2) << name;
        EXPECT_EQ(name.compare(0, CFileName::ToShowCommandResultFilter(device, command).size(),
                               CFileName::ToShowCommandResultFilter(device, command)), 0);
        EXPECT_EQ(name.compare(0, CFileName::ToShowCommandFilter(device).size(),
                               CFileName::ToShowCommandFilter(device)), 0);
        // The name is a real file in the folder, and reads back from the full path.
        ASSERT_TRUE(dir.WriteFile(name, "x")) << name;
        std::string d, c, t;
        EXPECT_TRUE(CFileName::FromShowCommandResultFileName(dir / name, d, c, t));
        EXPECT_EQ(d, device);
        EXPECT_EQ(c, command);
        EXPECT_EQ(CFileName::ToShowCommandResultFileName(d, c, t, "txt"), name);
    }
    for (const char* field : {".", "..", "...", " "}) {
        const std::string sys = CFileName::ToSysFileName(field);
        EXPECT_TRUE(sys != "." && sys != ".." && sys.find_first_not_of(". ") != std::string::npos) << sys;
        EXPECT_EQ(CFileName::FromSysFileName(sys), field);
    }
}

TEST(CFileName, GivenTimeIsKeptAndForeignNamesAreReported)
{
    std::string d, c, t;
    EXPECT_TRUE(CFileName::FromShowCommandResultFileName(
        CFileName::ToShowCommandResultFileName("r1", "show ver", "2024-05-01 13-45-07.123", "txt"), d, c, t));
    EXPECT_EQ(t, "2024-05-01 13-45-07.123");
    EXPECT_FALSE(CFileName::FromShowCommandResultFileName("C:\\x\\notes.txt", d, c, t));
    EXPECT_EQ(d, "notes");
    EXPECT_EQ(c + t, "");
    EXPECT_EQ(CFileName::FromSysFileName("50%-%zz%4"), "50%-%zz%4");
}

TEST(CFileName, NowNamesAreUniqueAndRisingAcrossThreads)
{
    std::vector<std::string> times[2];
    auto make = [](std::vector<std::string>& out) {
        for (int i = 0; i < 2000; ++i) {
            std::string d, c, t;
            CFileName::FromShowCommandResultFileName(
                CFileName::ToShowCommandResultFileName("r1", "show clock", "", "txt"), d, c, t);
            out.push_back(t);
        }
    };
    std::thread worker(make, std::ref(times[0]));
    make(times[1]);
    worker.join();
    std::set<std::string> all;
    for (const auto& list : times) {
        EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
        EXPECT_EQ(std::adjacent_find(list.begin(), list.end()), list.end());
        all.insert(list.begin(), list.end());
    }
    EXPECT_EQ(all.size(), 4000u);
    // Far more names than milliseconds passed, yet the clock is not run far ahead.
    const std::string later = CFileName::ToShowCommandTime(system_clock::now() + seconds(10));
    EXPECT_LT(*all.rbegin(), later);
}

TEST(CFileName, TimeTextsSortChronologically)
{
    const auto base = system_clock::now();
    const std::vector<system_clock::duration> offsets = {
        milliseconds(0), milliseconds(9), milliseconds(10), seconds(9), seconds(10), minutes(59), hours(9),
        hours(10), hours(24 * 9), hours(24 * 40), hours(24 * 400), hours(24 * 4000)};
    std::vector<std::string> texts;
    for (auto offset : offsets)
        texts.push_back(CFileName::ToShowCommandTime(base + offset));
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end()));
    EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end());
    EXPECT_EQ(CFileName::ToSysFileName(texts[0]), texts[0]); // no escapes in what the user reads
}

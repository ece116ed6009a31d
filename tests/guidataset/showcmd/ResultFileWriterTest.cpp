#include "guidataset/showcmd/core/ImportWriteFailures.h"
#include "guidataset/showcmd/core/ResultFileWriter.h"
#include "host/util/CFileName.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

using twtest::TempDir;

namespace {

TEST(ResultFileWriter, WritesEveryQueuedFileWholeAndNeverReplacesOne)
{
    TempDir dir;
    // Another import's result holds the name this one was given.
    const std::string taken = CFileName::ToShowCommandResultFileName("r1", "show arp", "2024-05-01 13-45-07.999", "txt");
    ASSERT_TRUE(dir.WriteFile(taken, "another import's result"));
    ASSERT_TRUE(dir.WriteFile("r0.txt", "a file of a name without a time"));
    CImportWriteFailures failures;
    {
        // A queue of 64 bytes makes Add wait for the writer nearly every time.
        ResultFileWriter writer(&failures, 64);
        for (int i = 0; i < 200; ++i)
            writer.Add(dir / ("r" + std::to_string(i) + ".txt"), "r" + std::to_string(i) + "#show arp\nline\n");
        writer.Add(dir / taken, "r1#show arp\n");
        writer.Add(dir / "missing/deeper/r.txt", "lost\n");
        writer.Finish();
        EXPECT_EQ(writer.FailedCount(), 2);
    }
    for (int i = 1; i < 200; ++i)
        ASSERT_EQ(twtest::ReadBytes(dir / ("r" + std::to_string(i) + ".txt")),
                  "r" + std::to_string(i) + "#show arp\r\nline\r\n");
    EXPECT_EQ(dir.ReadFile("r0.txt"), "a file of a name without a time");
    EXPECT_EQ(dir.ReadFile(taken), "another import's result");
    EXPECT_EQ(dir.ReadFile("r1$show arp$2024-05-01 13-45-08.000.txt"), "r1#show arp\r\n");
    EXPECT_EQ(failures.Describe(), "2 files could not be written:\n'" + dir / "r0.txt" + "': File exists\n'" +
                                       dir / "missing/deeper/r.txt" + "': No such file or directory");
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

// The writer holds the results' folder open: one deleted and made again under
// it must get the later results.
TEST(ResultFileWriter, FolderDeletedAndMadeAgainDuringTheWritingGetsTheLaterResults)
{
    TempDir dir;
    ASSERT_TRUE(std::filesystem::create_directory(dir / "kind"));
    const auto writtenSoon = [](const std::string& path) {
        for (int wait = 0; wait < 1000 && !std::filesystem::exists(path); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return std::filesystem::exists(path);
    };
    CImportWriteFailures failures;
    ResultFileWriter writer(&failures, 64);
    const std::string text(40, 'x');
    writer.Add(dir / "kind/first.txt", text);
    ASSERT_TRUE(writtenSoon(dir / "kind/first.txt"));
    std::filesystem::remove_all(dir / "kind");
    ASSERT_TRUE(std::filesystem::create_directory(dir / "kind"));
    writer.Add(dir / "kind/second.txt", text);
    ASSERT_TRUE(writtenSoon(dir / "kind/second.txt"));
    EXPECT_EQ(twtest::ReadBytes(dir / "kind/second.txt"), text);
    std::filesystem::remove_all(dir / "kind");
    writer.Add(dir / "kind/third.txt", text);
    writer.Finish();
    // The kind folder is made again inside a DataFolder that is there.
    EXPECT_EQ(twtest::ReadBytes(dir / "kind/third.txt"), text);
    EXPECT_EQ(failures.Count(), 0);
}

} // namespace

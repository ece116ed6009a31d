#include "guidataset/showcmd/core/ResultFileWriter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

using twtest::TempDir;

namespace {

TEST(ResultFileWriter, WritesEveryQueuedFileWithCrLfThroughASmallQueueAndCountsFailures)
{
    TempDir dir;
    twtest::WriteBytes(dir / "r0.txt", "an older result that gets replaced");
    {
        // A queue of 64 bytes makes Add wait for the writer nearly every time.
        ResultFileWriter writer(64);
        for (int i = 0; i < 200; ++i)
            writer.Add(dir / ("r" + std::to_string(i) + ".txt"), "r" + std::to_string(i) + "#show arp\nline\n");
        writer.Add(dir / "no such folder/r.txt", "lost\n");
        writer.Finish();
        EXPECT_EQ(writer.FailedCount(), 1);
    }
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(twtest::ReadBytes(dir / ("r" + std::to_string(i) + ".txt")),
                  "r" + std::to_string(i) + "#show arp\r\nline\r\n");
    EXPECT_FALSE(dir.Exists("r0.txt.tmp~"));
}

} // namespace

#include "platform/core/FileTimes.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

using namespace platform;

TEST(FileTimes, RewriteMovesWriteTimeButNotCreationTimeAndAMissingFileHasNone)
{
    twtest::TempDir dir;
    const std::string path = dir / "result.txt";
    ASSERT_TRUE(dir.WriteFile("result.txt", "first"));
    const FileTime created = CreationTime(path);
    ASSERT_GT(created, 0);

    // Rewrite in place, then date the write an hour ahead so the check does
    // not depend on the clock's resolution.
    ASSERT_TRUE(dir.WriteFile("result.txt", "second"));
    const std::time_t later = std::time(nullptr) + 3600;
    const struct timespec times[2] = {{0, UTIME_OMIT}, {later, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);

    EXPECT_EQ(LastWriteTime(path), static_cast<FileTime>(later) * 1000000000LL);
    EXPECT_EQ(CreationTime(path), created) << "creation time must not follow the write time";
    EXPECT_EQ(LastWriteTime(dir / "missing"), 0);
    EXPECT_EQ(CreationTime(dir / "missing"), 0);
}

TEST(FileTimes, FormatsInLocalTime)
{
    const char* oldTz = std::getenv("TZ");
    const std::string saved = oldTz ? oldTz : "";
    setenv("TZ", "UTC-2", 1); // two hours east of UTC
    tzset();
    // 2021-03-04 05:06:07.5 UTC
    const FileTime t = 1614834367LL * 1000000000LL + 500000000LL;
    EXPECT_EQ(FormatLocalTime(t, "%Y-%m-%d %H:%M:%S"), "2021-03-04 07:06:07");
    EXPECT_EQ(FormatLocalTime(t, "%Y%m%d%H%M%S"), "20210304070607");
    EXPECT_EQ(FormatLocalTime(t, ""), "");
    if (oldTz)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(FileTimes, NowIsTheCurrentTime)
{
    const FileTime now = Now();
    EXPECT_LE(std::llabs(now / 1000000000LL - static_cast<long long>(std::time(nullptr))), 1);
}

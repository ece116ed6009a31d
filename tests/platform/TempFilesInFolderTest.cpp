#include "platform/core/TempFilesInFolder.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <cerrno>
#include <unistd.h>

using platform::CTempFilesInFolder;

namespace {

// A file being written is not in the folder until it is named, and naming
// never replaces a file: the taken name's file keeps its bytes.
TEST(TempFilesInFolder, AFileAppearsOnlyWhenNamedAndNeverUnderATakenName)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("taken.txt", "another result"));
    CTempFilesInFolder folder;
    ASSERT_EQ(folder.Open(dir / "missing"), ENOENT);
    ASSERT_EQ(folder.Open(dir.Path()), 0);
    const int fd = folder.Create();
    if (fd < 0)
        GTEST_SKIP() << "this file system makes no unnamed files (errno " << errno << ")";
    ASSERT_EQ(::write(fd, "whole\r\n", 7), 7);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    EXPECT_EQ(folder.Name(fd, "taken.txt"), EEXIST);
    EXPECT_EQ(folder.Name(fd, "new.txt"), 0);
    ::close(fd);
    EXPECT_EQ(dir.ReadFile("taken.txt"), "another result");
    EXPECT_EQ(dir.ReadFile("new.txt"), "whole\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

} // namespace

#include "platform/core/FileBytes.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::FileBytes;

namespace {

// Bytes that tell one offset from another, so a piece read twice or lost shows.
std::string Numbered(std::size_t bytes)
{
    std::string text;
    for (std::size_t line = 0; text.size() < bytes; ++line)
        text += std::to_string(line) + " GigabitEthernet0/0/1 10.0.0.1\n";
    text.resize(bytes);
    return text;
}

// A file exactly filling its room, and a pipe whose size is not known
// beforehand and that outgrows the first room several times.
TEST(FileBytes, ReadsFilesAndPipesWholeAndRefusesFolders)
{
    twtest::TempDir tmp;
    const std::string exact = Numbered((2u << 20) - 1);
    ASSERT_TRUE(tmp.WriteFile("exact.txt", exact));
    FileBytes bytes;
    ASSERT_TRUE(bytes.Read(tmp / "exact.txt"));
    EXPECT_TRUE(bytes.Text() == exact);

    const std::string streamed = Numbered(7u << 20);
    const std::string fifo = tmp / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        for (std::size_t at = 0; fd >= 0 && at < streamed.size();) {
            const ssize_t n = ::write(fd, streamed.data() + at, std::min<std::size_t>(65536, streamed.size() - at));
            if (n <= 0)
                break;
            at += static_cast<std::size_t>(n);
        }
        ::close(fd);
    });
    const bool read = bytes.Read(fifo);
    writer.join();
    ASSERT_TRUE(read);
    EXPECT_EQ(bytes.Text().size(), streamed.size());
    EXPECT_TRUE(bytes.Text() == streamed);

    EXPECT_FALSE(bytes.Read(tmp.Path()));
    EXPECT_EQ(errno, EISDIR);
    EXPECT_TRUE(bytes.Text().empty());
    EXPECT_FALSE(bytes.Read(tmp / "missing.txt"));
    EXPECT_EQ(errno, ENOENT);
}

} // namespace

#pragma once
// A temporary folder for one benchmark run, filled by the benchmark and
// removed with everything in it at the end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class BenchFolder {
public:
    // prefix: "tw-bench-..." under /tmp.
    explicit BenchFolder(const std::string& prefix)
    {
        std::string pattern = "/tmp/" + prefix + "-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
    }
    ~BenchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    // The folder, without a trailing '/'.
    const std::string& Path() const { return m_path; }

    // An empty file; with mtime (seconds since 1970) as its last-write time.
    static void CreateEmptyFile(const std::string& path, long mtime = 0)
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            std::abort();
        if (mtime > 0) {
            const struct timespec times[2] = {{mtime, 0}, {mtime, 0}};
            ::futimens(fd, times);
        }
        ::close(fd);
    }

private:
    std::string m_path;
};

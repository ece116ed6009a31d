#pragma once
// A folder under /tmp for one benchmark run, removed with its files at the
// end, and whole files written into it. Any failure ends the run: a
// benchmark over half-written input measures nothing.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TempBenchFolder {
public:
    // name: a word for the folder's name ("readresult").
    explicit TempBenchFolder(const std::string& name)
    {
        std::string pattern = "/tmp/tw-bench-" + name + "-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
    }
    ~TempBenchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempBenchFolder(const TempBenchFolder&) = delete;
    TempBenchFolder& operator=(const TempBenchFolder&) = delete;

    // The folder, without a trailing '/'.
    const std::string& Path() const { return m_path; }

    // Writes the file under the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = m_path + "/" + name;
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            std::abort();
        return path;
    }

private:
    std::string m_path;
};

#pragma once
// A temporary folder under /tmp for one test, removed with everything in it
// when the object goes.
#include <map>
#include <string>

namespace twtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in '/'.
    const std::string& Path() const { return m_path; }
    // Path() + relPath.
    std::string operator/(const std::string& relPath) const { return m_path + relPath; }

    // Writes bytes as they are (no line-end conversion), creating folders on the way.
    bool WriteFile(const std::string& relPath, const std::string& bytes) const;
    // The file's bytes; empty when it cannot be read.
    std::string ReadFile(const std::string& relPath) const;
    bool Exists(const std::string& relPath) const;
    bool MakeDir(const std::string& relPath) const;

private:
    std::string m_path;
};

// A whole file's bytes by full path; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// Writes bytes as they are, creating folders on the way.
bool WriteBytes(const std::string& path, const std::string& bytes);

// Everything under folder by path relative to it: a file's bytes, "<dir>" for
// a folder. Compares a tree before and after an operation in one step.
std::map<std::string, std::string> TreeSnapshot(const std::string& folder);

} // namespace twtest

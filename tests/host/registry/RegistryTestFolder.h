#pragma once
// Path helpers over the shared temporary folder: registry tests mostly need
// paths without the trailing '/', as callers of the registry pass them.
#include "support/TempDir.h"

#include <string>

namespace registrytest {

class TestFolder {
public:
    // Sub-path without trailing '/'; the folder itself when name is empty.
    std::string Path(const std::string& name = {}) const
    {
        const std::string path = m_dir / name;
        return name.empty() ? path.substr(0, path.size() - 1) : path;
    }
    // Creates the sub-folder; its path with trailing '/'.
    std::string Folder(const std::string& name) const
    {
        m_dir.MakeDir(name);
        return m_dir / (name + '/');
    }

private:
    twtest::TempDir m_dir;
};

// Whole file by absolute path; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) { return twtest::ReadBytes(path); }
inline void WriteFile(const std::string& path, const std::string& bytes) { twtest::WriteBytes(path, bytes); }

} // namespace registrytest

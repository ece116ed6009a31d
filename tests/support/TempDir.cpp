#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace twtest {

TempDir::TempDir()
{
    char pattern[] = "/tmp/tw-test-XXXXXX";
    if (!::mkdtemp(pattern)) {
        ADD_FAILURE() << "cannot create a temporary folder under /tmp";
        return;
    }
    m_path = std::string(pattern) + "/";
}

TempDir::~TempDir()
{
    if (m_path.empty())
        return;
    std::error_code ec;
    // A test may have left folders without permissions; open them up first.
    for (fs::recursive_directory_iterator it(m_path, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    ec.clear();
    fs::remove_all(m_path, ec);
}

bool WriteBytes(const std::string& file, const std::string& bytes)
{
    const fs::path path(file);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::string ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempDir::WriteFile(const std::string& relPath, const std::string& bytes) const
{
    return WriteBytes((fs::path(m_path) / relPath).string(), bytes);
}

std::string TempDir::ReadFile(const std::string& relPath) const
{
    return ReadBytes((fs::path(m_path) / relPath).string());
}

bool TempDir::Exists(const std::string& relPath) const
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(fs::path(m_path) / relPath, ec));
}

bool TempDir::MakeDir(const std::string& relPath) const
{
    std::error_code ec;
    fs::create_directories(fs::path(m_path) / relPath, ec);
    return fs::is_directory(fs::path(m_path) / relPath, ec);
}

std::map<std::string, std::string> TreeSnapshot(const std::string& folder)
{
    std::map<std::string, std::string> tree;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string rel = it->path().lexically_relative(folder).string();
        tree[rel] = it->is_directory(ec) ? "<dir>" : ReadBytes(it->path().string());
    }
    return tree;
}

} // namespace twtest

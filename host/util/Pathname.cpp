#include "host/util/Pathname.h"

#include "platform/core/Paths.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

Pathname::Pathname(std::string path) : m_path(std::move(path)) {}

std::string Pathname::file() const
{
    std::string p = m_path;
    if (!p.empty() && p.back() == '/')
        p.pop_back();
    const std::size_t slash = p.find_last_of('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

bool Pathname::exists() const
{
    struct stat st {};
    return !m_path.empty() && ::lstat(m_path.c_str(), &st) == 0;
}

bool Pathname::mkdirHier(int mode) const
{
    if (m_path.empty())
        return false;
    struct stat st {};
    // Walk down from the top, so each parent is made with the caller's mode.
    std::size_t pos = m_path[0] == '/' ? 1 : 0;
    while (pos <= m_path.size()) {
        std::size_t next = m_path.find('/', pos);
        if (next == std::string::npos)
            next = m_path.size();
        if (next > pos) {
            const std::string prefix = m_path.substr(0, next);
            if (::mkdir(prefix.c_str(), static_cast<mode_t>(mode)) != 0 && errno != EEXIST)
                return false;
        }
        pos = next + 1;
    }
    return ::stat(m_path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Pathname::removeFile(bool recursive) const
{
    // "link/" would make lstat and the removal follow a symbolic link into
    // its target; without the separator the link is the entry removed.
    const std::string entry = platform::StripTrailingSeparators(m_path);
    struct stat st {};
    if (entry.empty() || ::lstat(entry.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return ::unlink(entry.c_str()) == 0;
    if (!recursive)
        return ::rmdir(entry.c_str()) == 0;
    std::error_code ec;
    fs::remove_all(entry, ec);
    return !ec && ::lstat(entry.c_str(), &st) != 0;
}

#include "platform/core/CopyJournal.h"

#include "platform/core/TempFiles.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

void CopyJournal::FolderCreated(const std::string& path)
{
    m_changes.push_back({Kind::Folder, path, {}});
}

void CopyJournal::FileCreated(const std::string& path)
{
    m_changes.push_back({Kind::File, path, {}});
}

int CopyJournal::SetAside(const std::string& path)
{
    // The temporary claims a free name; the old file then replaces it.
    std::string aside;
    const int fd = CreateTemporaryBeside(path, aside);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (std::rename(path.c_str(), aside.c_str()) != 0) {
        const int error = errno;
        ::unlink(aside.c_str());
        return error;
    }
    m_changes.push_back({Kind::Replaced, path, aside});
    return 0;
}

void CopyJournal::Commit()
{
    for (const Change& change : m_changes)
        if (change.kind == Kind::Replaced)
            ::unlink(change.aside.c_str());
    m_changes.clear();
}

std::string CopyJournal::RollBack()
{
    std::string failure;
    auto note = [&failure](const std::string& what, const std::string& path) {
        if (failure.empty())
            failure = "Cannot " + what + " \"" + path + "\": " + std::strerror(errno) + ".";
    };
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change) {
        switch (change->kind) {
        case Kind::File:
            if (::unlink(change->path.c_str()) != 0 && errno != ENOENT)
                note("remove the copied file", change->path);
            break;
        case Kind::Replaced:
            // Renaming over the new file puts the old one back in one step.
            if (std::rename(change->aside.c_str(), change->path.c_str()) != 0)
                note("restore", change->path);
            break;
        case Kind::Folder:
            // Only when empty: anything else in it was not ours to remove.
            if (::rmdir(change->path.c_str()) != 0 && errno != ENOENT)
                note("remove the copied folder", change->path);
            break;
        }
    }
    m_changes.clear();
    return failure;
}

} // namespace platform

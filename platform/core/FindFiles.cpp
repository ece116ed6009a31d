#include "platform/core/FindFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

inline unsigned char FoldCase(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Greedy star matching: on a mismatch, only the most recent '*' is widened by
// one character, so the cost stays O(pattern * name) in the worst case and
// never explodes on patterns such as "*a*a*a*b".
bool MatchFolded(const std::string& pattern, const char* name, size_t nameLen)
{
    size_t p = 0, n = 0;
    size_t starP = std::string::npos, starN = 0;
    const size_t patLen = pattern.size();
    while (n < nameLen) {
        if (p < patLen) {
            const unsigned char pc = static_cast<unsigned char>(pattern[p]);
            if (pc == '*') {
                starP = p++;
                starN = n;
                continue;
            }
            if (pc == '?' || pc == FoldCase(static_cast<unsigned char>(name[n]))) {
                ++p;
                ++n;
                continue;
            }
        }
        if (starP == std::string::npos)
            return false;
        p = starP + 1;
        n = ++starN;
    }
    while (p < patLen && pattern[p] == '*')
        ++p;
    return p == patLen;
}

std::string FoldPattern(const std::string& pattern)
{
    std::string folded;
    folded.reserve(pattern.size());
    for (char c : pattern) {
        // Runs of '*' are equivalent to one and only cost time.
        if (c == '*' && !folded.empty() && folded.back() == '*')
            continue;
        folded.push_back(static_cast<char>(FoldCase(static_cast<unsigned char>(c))));
    }
    // The find-first convention: "*.*" means every name, dotted or not.
    if (folded == "*.*")
        folded = "*";
    return folded;
}

FileTime ToFileTime(const struct statx_timestamp& ts)
{
    return static_cast<FileTime>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

std::uint32_t AttributesFromMode(mode_t mode)
{
    std::uint32_t attributes = 0;
    if (S_ISDIR(mode))
        attributes |= kAttrDirectory;
    if ((mode & S_IWUSR) == 0)
        attributes |= kAttrReadOnly;
    if (attributes == 0)
        attributes = kAttrNormal;
    return attributes;
}

// One statx call per reported entry, relative to the open folder. A symbolic
// link is described by its target; a dangling one by the link itself.
bool Describe(int dirFd, const char* name, DirEntry& entry)
{
    struct statx stx {};
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_BTIME;
    int rc = ::statx(dirFd, name, AT_STATX_SYNC_AS_STAT, mask, &stx);
    if (rc != 0 && errno == ENOENT)
        rc = ::statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_STATX_SYNC_AS_STAT, mask, &stx);
    if (rc != 0) {
        if (errno != ENOSYS && errno != EPERM)
            return false;
        // No statx here (old kernel, strict sandbox): fstatat has all but birth time.
        struct stat st {};
        if (::fstatat(dirFd, name, &st, 0) != 0 &&
            ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        entry.attributes = AttributesFromMode(st.st_mode);
        entry.size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::uint64_t>(st.st_size);
        entry.lastWriteTime =
            static_cast<FileTime>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        entry.creationTime = entry.lastWriteTime;
        return true;
    }
    entry.attributes = AttributesFromMode(stx.stx_mode);
    entry.size = S_ISDIR(stx.stx_mode) ? 0 : stx.stx_size;
    entry.lastWriteTime = ToFileTime(stx.stx_mtime);
    entry.creationTime =
        (stx.stx_mask & STATX_BTIME) ? ToFileTime(stx.stx_btime) : entry.lastWriteTime;
    return true;
}

bool HasWildcard(const std::string& s)
{
    return s.find_first_of("*?") != std::string::npos;
}

} // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name)
{
    return MatchFolded(FoldPattern(pattern), name.data(), name.size());
}

void FindFiles(const std::string& pattern, const std::function<bool(const DirEntry&)>& visit)
{
    if (!visit)
        return;
    const size_t slash = pattern.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
    const std::string last = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    if (folder.empty())
        folder = ".";
    // As on Windows, a pattern ending in a separator names no file.
    if (last.empty())
        return;

    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return;

    // A plain name is looked up directly when it exists with that exact case;
    // the folder is scanned only to find it under another case.
    if (!HasWildcard(last) && last != "." && last != "..") {
        DirEntry entry;
        if (last.find('/') == std::string::npos && Describe(dirFd, last.c_str(), entry)) {
            ::close(dirFd);
            entry.name = last;
            visit(entry);
            return;
        }
    }

    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    const std::string folded = FoldPattern(last);
    DirEntry entry;
    while (const struct dirent* d = ::readdir(dir)) {
        const size_t len = std::char_traits<char>::length(d->d_name);
        if (!MatchFolded(folded, d->d_name, len))
            continue;
        if (!Describe(::dirfd(dir), d->d_name, entry))
            continue; // removed between readdir and stat
        entry.name.assign(d->d_name, len);
        if (!visit(entry))
            break;
    }
    ::closedir(dir);
}

std::vector<DirEntry> FindFiles(const std::string& pattern)
{
    std::vector<DirEntry> entries;
    FindFiles(pattern, [&entries](const DirEntry& e) {
        entries.push_back(e);
        return true;
    });
    return entries;
}

} // namespace platform

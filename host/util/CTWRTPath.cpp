#include "host/util/CTWRTPath.h"

#include "host/util/CFileName.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

const char* const CTWRTPath::kDefaultLiveName = "default-live";
const char* const CTWRTPath::kDefaultSimulationName = "default-simulation";

namespace {

constexpr char kPartSeparator = '$';

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Stem(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string Reason(int error)
{
    std::string text = std::strerror(error);
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}

CTWRTPath::Transfer Failed(std::string error)
{
    CTWRTPath::Transfer result;
    result.status = CTWRTPath::Transfer::kFailed;
    result.error = std::move(error);
    return result;
}

CTWRTPath::Transfer Done()
{
    CTWRTPath::Transfer result;
    result.status = CTWRTPath::Transfer::kDone;
    return result;
}

CTWRTPath::Transfer Exists()
{
    CTWRTPath::Transfer result;
    result.status = CTWRTPath::Transfer::kExists;
    return result;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Renames from to to, refusing to replace an existing to. Falls back to a hard
// link where the file system has no such rename; EEXIST means to exists.
int RenameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    return errno;
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool CopyBytes(int in, int out)
{
    for (;;) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (copied == 0)
            return true;
        if (copied > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return false;
        break;   // no kernel copy between these files: copy through a buffer
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::write(out, buffer + written, static_cast<std::size_t>(got - written));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            written += put;
        }
    }
}

} // namespace

bool CTWRTPath::ParseRtbFileName(const std::string& fileName, std::string& host, std::string& name,
                                 std::string& qualifier)
{
    host.clear();
    name.clear();
    qualifier.clear();
    const std::string stem = Stem(BaseName(fileName));
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dollar = stem.find(kPartSeparator, start);
        parts.push_back(stem.substr(start, dollar == std::string::npos ? std::string::npos : dollar - start));
        if (dollar == std::string::npos)
            break;
        start = dollar + 1;
    }
    if (parts.size() > 3 || parts[0].empty())
        return false;
    host = CFileName::FromSysFileName(parts[0]);
    if (parts.size() == 3) {
        name = CFileName::FromSysFileName(parts[1]);
        qualifier = CFileName::FromSysFileName(parts[2]);
    } else if (parts.size() == 2) {
        qualifier = CFileName::FromSysFileName(parts[1]);
    }
    if (name.empty())
        name = kDefaultLiveName;
    return true;
}

std::string CTWRTPath::GetRtbFileName(const std::string& host, const std::string& name,
                                      const std::string& qualifier, int type)
{
    if (host.empty())
        return {};
    std::string file = CFileName::ToSysFileName(host);
    if (name.empty() || name == kDefaultLiveName) {
        if (!qualifier.empty())
            file += kPartSeparator + CFileName::ToSysFileName(qualifier);
    } else {
        file += kPartSeparator + CFileName::ToSysFileName(name);
        file += kPartSeparator + CFileName::ToSysFileName(qualifier);
    }
    return file + GetTableExtension(type);
}

std::string CTWRTPath::GetTableExtension(int type)
{
    switch (type) {
    case kArpTable: return ".oat";
    case kMacTable: return ".omt";
    case kShowCommandResult: return ".txt";
    case kCdpTable: return ".cdp";
    default: return ".ort";
    }
}

std::string CTWRTPath::GetTableFolder(const std::string& dataFolderPath, int type)
{
    switch (type) {
    case kRouteTable: return TWFileSystem::GetLiveRoutingTableFolder(dataFolderPath);
    case kArpTable: return TWFileSystem::GetLiveArpTableFolder(dataFolderPath);
    case kMacTable: return TWFileSystem::GetLiveMacTableFolder(dataFolderPath);
    case kShowCommandResult: return TWFileSystem::GetLiveShowCommandDataFolder(dataFolderPath);
    case kCdpTable: return TWFileSystem::GetLiveCdpTableFolder(dataFolderPath);
    default: return platform::EnsureTrailingSlash(dataFolderPath);   // simulated tables
    }
}

bool CTWRTPath::IsBuiltInName(const std::string& name)
{
    return EqualsNoCase(name, kDefaultLiveName) || EqualsNoCase(name, kDefaultSimulationName);
}

void CTWRTPath::GetAllRTInDataSet(TWFileSystem* fileSystem, std::vector<CRTItem>& out,
                                  const std::string& dataFolder, const std::string& host,
                                  bool ignoreCase, int type)
{
    if (host.empty() || dataFolder.empty())
        return;
    std::string path = dataFolder;
    if (path.find_first_of("/\\") == std::string::npos) {
        if (!fileSystem)
            fileSystem = GetCurrBaselineFileSystem();
        TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr;
        path = registry ? registry->GetDataSetPath(dataFolder) : std::string();
        if (path.empty())
            return;
    }
    const std::string folder = GetTableFolder(path, type);
    // The search already narrows to names that start with the host (ignoring
    // case); the parse then demands the whole host part.
    const std::string pattern = folder + CFileName::ToSysFileName(host) + "*" + GetTableExtension(type);
    platform::FindFiles(pattern, [&](const platform::DirEntry& entry) {
        if (entry.IsDirectory())
            return true;
        CRTItem item;
        bool parsed = false;
        if (type == kShowCommandResult) {
            std::string time;
            parsed = CFileName::FromShowCommandResultFileName(entry.name, item.host, item.label, time);
        } else {
            parsed = ParseRtbFileName(entry.name, item.host, item.label, item.qualifier);
        }
        if (!parsed || !(ignoreCase ? EqualsNoCase(item.host, host) : item.host == host))
            return true;
        item.path = folder + entry.name;
        item.time = entry.lastWriteTime;
        out.push_back(std::move(item));
        return true;
    });
}

CTWRTPath::Transfer CTWRTPath::CopyTableFile(const std::string& from, const std::string& to, bool replace)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Failed("Cannot read " + Quoted(from) + ": " + Reason(errno));
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return Failed(Quoted(from) + " is not a file.");
    }
    if (SameFile(from, to)) {
        ::close(in);
        return replace ? Done() : Exists();
    }
    if (!replace && ::access(to.c_str(), F_OK) == 0) {
        ::close(in);
        return Exists();
    }

    // The copy is made beside its target under a hidden name, so that only a
    // whole file ever takes the target's name.
    std::string temp = FolderOf(to) + "." + BaseName(to) + ".XXXXXX";
    const int out = ::mkostemp(temp.data(), O_CLOEXEC);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return Failed("Cannot write into " + Quoted(FolderOf(to)) + ": " + Reason(error));
    }
    bool ok = CopyBytes(in, out);
    int error = ok ? 0 : errno;
    ::close(in);
    if (ok) {
        // The table keeps the time its data was taken.
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::fchmod(out, st.st_mode & 0777);
        ::futimens(out, times);
        if (::fsync(out) != 0) {
            ok = false;
            error = errno;
        }
    }
    if (::close(out) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Failed("Cannot copy " + Quoted(from) + " to " + Quoted(to) + ": " + Reason(error));
    }
    const int renamed = replace ? (::rename(temp.c_str(), to.c_str()) == 0 ? 0 : errno)
                                : RenameNoReplace(temp, to);
    if (renamed != 0) {
        ::unlink(temp.c_str());
        if (renamed == EEXIST)
            return Exists();
        return Failed("Cannot copy " + Quoted(from) + " to " + Quoted(to) + ": " + Reason(renamed));
    }
    return Done();
}

CTWRTPath::Transfer CTWRTPath::MoveTableFile(const std::string& from, const std::string& to, bool replace)
{
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0)
        return Failed("Cannot move " + Quoted(from) + ": " + Reason(errno));
    if (!S_ISREG(st.st_mode))
        return Failed(Quoted(from) + " is not a file.");
    if (from == to)
        return Done();
    const int renamed = replace ? (::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno)
                                : RenameNoReplace(from, to);
    if (renamed == 0)
        return Done();
    if (renamed == EEXIST)
        return Exists();
    if (renamed != EXDEV)
        return Failed("Cannot move " + Quoted(from) + " to " + Quoted(to) + ": " + Reason(renamed));
    // Another file system: a whole copy first, then the original goes.
    Transfer copied = CopyTableFile(from, to, replace);
    if (copied.Ok() && ::unlink(from.c_str()) != 0)
        return Failed("The table was copied to " + Quoted(to) + ", but " + Quoted(from) +
                      " cannot be removed: " + Reason(errno));
    return copied;
}

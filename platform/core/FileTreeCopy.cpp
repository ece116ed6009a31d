#include "platform/core/FileTreeCopy.h"

#include "platform/core/CopyJournal.h"
#include "platform/core/FileOpText.h"
#include "platform/core/Paths.h"
#include "platform/core/TempFiles.h"
#include "platform/core/WorkControl.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace platform {

namespace {

// Every entry weighs as much as this many bytes, so a tree of empty files
// still moves the bar.
constexpr std::uint64_t kEntryUnits = 4096;
// A large file is copied in blocks of this size, checking for a cancel between them.
constexpr std::size_t kBlockSize = 1 << 20;
// A walk over a huge tree looks for a cancel this often.
constexpr std::size_t kCancelCheckEvery = 256;

class TreeCopier {
public:
    TreeCopier(IWorkControl& work, FileTreeResult& result) : m_work(work), m_result(result) {}

    // Creates path and any missing folders above it, remembering each.
    bool CreateFolders(const fs::path& path)
    {
        std::vector<fs::path> missing;
        std::error_code ec;
        for (fs::path p = path; !p.empty() && !fs::exists(fs::symlink_status(p, ec)); p = p.parent_path()) {
            missing.push_back(p);
            if (p == p.parent_path())
                break;
        }
        for (auto p = missing.rbegin(); p != missing.rend(); ++p) {
            if (::mkdir(p->c_str(), 0777) != 0)
                return Fail("Cannot create " + QuotedPath(*p) + ": " + ErrorReason(errno));
            m_journal.FolderCreated(p->string());
        }
        if (!fs::is_directory(path, ec))
            return Fail("Cannot create " + QuotedPath(path) + ": " +
                        ErrorReason(std::make_error_code(std::errc::not_a_directory)));
        return true;
    }

    bool CopyFile(const fs::path& source, const fs::path& target)
    {
        const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
        if (in < 0)
            return Fail(CopyFailure(source, target, errno));
        struct stat info {};
        std::string temp;
        const int out = ::fstat(in, &info) == 0 ? CreateTemporaryBeside(target.string(), temp) : -1;
        if (out < 0) {
            const int error = errno;
            ::close(in);
            return Fail(CopyFailure(source, target, error));
        }
        const int error = CopyContent(in, out);
        ::close(in);
        if (error == 0) {
            ::fchmod(out, info.st_mode & 07777);
            // Kept as the shell keeps them: an imported file still tells when it was captured.
            const struct timespec times[2] = {info.st_atim, info.st_mtim};
            ::futimens(out, times);
        }
        const int closeError = ::close(out) == 0 ? 0 : errno;
        if (error != 0 || closeError != 0 || m_result.cancelled) {
            ::unlink(temp.c_str());
            return m_result.cancelled ? false : Fail(CopyFailure(source, target, error ? error : closeError));
        }
        return PutInPlace(temp, target, source);
    }

    bool CopyLink(const fs::path& source, const fs::path& target)
    {
        std::error_code ec;
        const fs::path link = fs::read_symlink(source, ec);
        if (ec)
            return Fail("Cannot copy " + QuotedPath(source) + " to " + QuotedPath(target) + ": " + ErrorReason(ec));
        if (!MakeRoomFor(target, source))
            return false;
        if (::symlink(link.c_str(), target.c_str()) != 0)
            return Fail(CopyFailure(source, target, errno));
        m_journal.FileCreated(target.string());
        return true;
    }

    bool CopyFolder(const fs::path& source, const fs::path& target)
    {
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(target, ec);
        if (fs::is_directory(st))
            return true;
        if (fs::exists(st))
            return Fail(CopyFailure(source, target, ENOTDIR));
        if (::mkdir(target.c_str(), 0777) != 0)
            return Fail(CopyFailure(source, target, errno));
        m_journal.FolderCreated(target.string());
        return true;
    }

    bool Fail(std::string error)
    {
        if (m_result.error.empty())
            m_result.error = std::move(error);
        return false;
    }

    // Keeps a complete copy, or takes back the whole copy.
    void Finish()
    {
        if (m_result.Ok()) {
            m_journal.Commit();
            return;
        }
        const std::string failure = m_journal.RollBack();
        if (!failure.empty())
            m_result.error += (m_result.error.empty() ? "" : " ") + failure;
    }

private:
    static std::string CopyFailure(const fs::path& source, const fs::path& target, int error)
    {
        return "Cannot copy " + QuotedPath(source) + " to " + QuotedPath(target) + ": " + ErrorReason(error);
    }

    // 0, or the errno that stopped it; a cancel stops it with 0 and the flag set.
    int CopyContent(int in, int out)
    {
        std::vector<char> block(kBlockSize);
        for (;;) {
            if (m_work.IsCancelled()) {
                m_result.cancelled = true;
                return 0;
            }
            const ssize_t got = ::read(in, block.data(), block.size());
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return errno;
            if (got == 0)
                return 0;
            for (ssize_t written = 0; written < got;) {
                const ssize_t n = ::write(out, block.data() + written, static_cast<std::size_t>(got - written));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0)
                    return errno;
                written += n;
            }
            m_work.Advance(static_cast<std::uint64_t>(got));
        }
    }

    // A file or link of the target's name is set aside; a folder is in the way.
    bool MakeRoomFor(const fs::path& target, const fs::path& source)
    {
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(target, ec);
        if (!fs::exists(st))
            return true;
        if (fs::is_directory(st))
            return Fail(CopyFailure(source, target, EISDIR));
        if (const int error = m_journal.SetAside(target.string()); error != 0)
            return Fail(CopyFailure(source, target, error));
        return true;
    }

    bool PutInPlace(const std::string& temp, const fs::path& target, const fs::path& source)
    {
        std::error_code ec;
        const bool replacing = fs::exists(fs::symlink_status(target, ec));
        if (!MakeRoomFor(target, source)) {
            ::unlink(temp.c_str());
            return false;
        }
        if (std::rename(temp.c_str(), target.c_str()) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            return Fail(CopyFailure(source, target, error));
        }
        if (!replacing)
            m_journal.FileCreated(target.string());
        return true;
    }

    IWorkControl& m_work;
    FileTreeResult& m_result;
    CopyJournal m_journal;
};

bool IsSameOrInside(const fs::path& inner, const fs::path& outer)
{
    auto [o, i] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return o == outer.end();
}

std::uint64_t Units(const fs::directory_entry& entry)
{
    std::error_code ec;
    const std::uint64_t size = fs::is_regular_file(entry.symlink_status(ec)) ? entry.file_size(ec) : 0;
    return kEntryUnits + (ec ? 0 : size);
}

void CopyFolderTree(const fs::path& from, const fs::path& to, IWorkControl& work, TreeCopier& copier,
                    FileTreeResult& result)
{
    std::error_code ec;
    const fs::path fromCanon = fs::weakly_canonical(from, ec);
    const fs::path toCanon = ec ? fs::path() : fs::weakly_canonical(to, ec);
    if (!ec && IsSameOrInside(toCanon, fromCanon)) {
        copier.Fail("Cannot copy " + QuotedPath(from) + " into itself.");
        return;
    }
    if (!copier.CreateFolders(to))
        return;

    // A first walk sizes the bar.
    std::uint64_t total = 0;
    std::size_t seen = 0;
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        total += Units(*it);
        if (!fs::is_directory(it->symlink_status(ec)))
            ++result.filesTotal;
        if (++seen % kCancelCheckEvery == 0 && work.IsCancelled()) {
            result.cancelled = true;
            return;
        }
    }
    if (ec) {
        copier.Fail("Cannot read " + QuotedPath(from) + ": " + ErrorReason(ec));
        return;
    }
    work.SetTotal(total);

    fs::recursive_directory_iterator it(from, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (work.IsCancelled()) {
            result.cancelled = true;
            return;
        }
        const fs::path source = it->path();
        const fs::path target = to / source.lexically_relative(from);
        const fs::file_status st = it->symlink_status(ec);
        if (ec)
            break;
        bool copied = false;
        if (fs::is_symlink(st))
            copied = copier.CopyLink(source, target);
        else if (fs::is_directory(st))
            copied = copier.CopyFolder(source, target);
        else if (fs::is_regular_file(st))
            copied = copier.CopyFile(source, target);
        else
            copied = copier.Fail("Cannot copy " + QuotedPath(source) + ": it is not a regular file.");
        if (!copied)
            return;
        if (!fs::is_directory(st))
            ++result.filesDone;
        work.EntryDone(source.filename().string(), kEntryUnits);
    }
    if (ec)
        copier.Fail("Cannot read " + QuotedPath(from) + ": " + ErrorReason(ec));
}

} // namespace

FileTreeResult CopyFileTree(const std::string& fromText, const std::string& toText, IWorkControl& work)
{
    FileTreeResult result;
    const fs::path from = StripTrailingSeparators(fromText);
    fs::path to = StripTrailingSeparators(toText);
    std::error_code ec;
    const fs::file_status fromStatus = fs::status(from, ec);
    if (ec || !fs::exists(fromStatus)) {
        result.error = "Cannot copy " + QuotedPath(from) + ": it does not exist.";
        return result;
    }

    TreeCopier copier(work, result);
    if (!fs::is_directory(fromStatus) && !fs::is_regular_file(fromStatus)) {
        result.error = "Cannot copy " + QuotedPath(from) + ": it is not a regular file.";
        return result;
    }
    try {
        if (fs::is_directory(fromStatus)) {
            CopyFolderTree(from, to, work, copier, result);
        } else {
            if (EndsWithSeparator(toText) || fs::is_directory(to, ec))
                to /= from.filename();
            result.filesTotal = 1;
            work.SetTotal(kEntryUnits + fs::file_size(from, ec));
            if ((to.parent_path().empty() || copier.CreateFolders(to.parent_path())) && copier.CopyFile(from, to)) {
                result.filesDone = 1;
                work.EntryDone(from.filename().string(), kEntryUnits);
            }
        }
    } catch (const std::exception& e) {
        // Out of memory, say: taken back like any other failure.
        copier.Fail("Cannot copy " + QuotedPath(from) + ": " + e.what());
    }
    copier.Finish();
    return result;
}

} // namespace platform

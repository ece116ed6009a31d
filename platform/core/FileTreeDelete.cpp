#include "platform/core/FileTreeDelete.h"

#include "platform/core/FileOpText.h"
#include "platform/core/Paths.h"
#include "platform/core/WorkControl.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr std::size_t kCancelCheckEvery = 256;

struct Entry {
    fs::path path;
    bool folder;
};

} // namespace

FileTreeResult DeleteFileTree(const std::string& pathText, IWorkControl& work)
{
    FileTreeResult result;
    const fs::path path = StripTrailingSeparators(pathText);
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (ec || !fs::exists(st)) {
        result.error = "Cannot delete " + QuotedPath(path) + ": it does not exist.";
        return result;
    }
    auto fail = [&result](const fs::path& what, const std::error_code& why) {
        result.error = "Cannot delete " + QuotedPath(what) + ": " + ErrorReason(why);
        return result;
    };
    if (!fs::is_directory(st)) {
        result.filesTotal = 1;
        if (!fs::remove(path, ec) || ec)
            return fail(path, ec);
        result.filesDone = 1;
        return result;
    }

    std::vector<Entry> inner;   // in sub-folders, and the sub-folders themselves
    std::vector<Entry> own;     // files directly in the folder
    for (fs::recursive_directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        const bool folder = fs::is_directory(it->symlink_status(ec));
        (it.depth() == 0 && !folder ? own : inner).push_back({it->path(), folder});
        if (!folder)
            ++result.filesTotal;
        if ((inner.size() + own.size()) % kCancelCheckEvery == 0 && work.IsCancelled()) {
            result.cancelled = true;
            return result;
        }
    }
    if (ec) {
        result.error = "Cannot read " + QuotedPath(path) + ": " + ErrorReason(ec);
        return result;
    }
    work.SetTotal(inner.size() + own.size() + 1);

    // A walk lists a folder before its content: backwards, content goes first.
    for (auto e = inner.rbegin(); e != inner.rend(); ++e) {
        if (work.IsCancelled()) {
            result.cancelled = true;
            return result;
        }
        if (fs::remove(e->path, ec); ec)
            return fail(e->path, ec);
        if (!e->folder)
            ++result.filesDone;
        work.EntryDone(e->path.filename().string(), 1);
    }
    // From here on the delete runs to its end: stopping would leave a folder
    // without its description.
    for (const Entry& e : own) {
        if (fs::remove(e.path, ec); ec)
            return fail(e.path, ec);
        ++result.filesDone;
        work.EntryDone(e.path.filename().string(), 1);
    }
    if (fs::remove(path, ec); ec)
        return fail(path, ec);
    work.EntryDone(path.filename().string(), 1);
    return result;
}

} // namespace platform

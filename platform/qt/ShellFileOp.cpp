#include "platform/qt/ShellFileOp.h"

#include "platform/core/FileOpText.h"
#include "platform/core/FileTreeCopy.h"
#include "platform/core/FileTreeDelete.h"
#include "platform/core/Paths.h"
#include "platform/qt/BackgroundWork.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

ShellFileOp::ShellFileOp(QWidget* parent, std::string progressTitle)
    : m_parent(parent), m_title(std::move(progressTitle))
{
}

ShellFileOp::~ShellFileOp() = default;

FileTreeResult ShellFileOp::RunTreeWork(const std::string& verb, const std::string& path,
                                        const std::function<FileTreeResult(IWorkControl&)>& job) const
{
    FileTreeResult result;
    try {
        BackgroundWork(m_parent, m_title).Run([&](IWorkControl& work) { result = job(work); });
    } catch (const std::exception& e) {
        // Out of memory, say: a failure like any other, never an exception for the caller.
        result = {};
        result.error = "Cannot " + verb + " " + QuotedPath(StripTrailingSeparators(path)) + ": " + e.what();
    }
    return result;
}

bool ShellFileOp::Copy(const std::string& from, const std::string& to)
{
    const FileTreeResult result =
        RunTreeWork("copy", from, [&](IWorkControl& work) { return CopyFileTree(from, to, work); });
    m_cancelled = result.cancelled;
    m_error = result.error;
    if (result.cancelled && m_error.empty())
        m_error = "The copy was cancelled; " + QuotedPath(StripTrailingSeparators(to)) + " is as it was before.";
    return result.Ok();
}

bool ShellFileOp::Delete(const std::string& path)
{
    const FileTreeResult result =
        RunTreeWork("delete", path, [&](IWorkControl& work) { return DeleteFileTree(path, work); });
    m_cancelled = result.cancelled;
    m_error = result.error;
    if (result.cancelled && m_error.empty())
        m_error = "The delete was cancelled after " + std::to_string(result.filesDone) + " of " +
                  std::to_string(result.filesTotal) + " files. " + QuotedPath(StripTrailingSeparators(path)) +
                  " is still there with the other " + std::to_string(result.filesTotal - result.filesDone) +
                  " files.";
    return result.Ok();
}

bool ShellFileOp::Rename(const std::string& fromText, const std::string& toText)
{
    m_error.clear();
    m_cancelled = false;
    const fs::path from = StripTrailingSeparators(fromText);
    const fs::path to = StripTrailingSeparators(toText);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(from, ec))) {
        m_error = "Cannot rename " + QuotedPath(from) + ": it does not exist.";
        return false;
    }
    // On a file system that ignores case, a change of case names the same file.
    if (fs::exists(fs::symlink_status(to, ec)) && !fs::equivalent(from, to, ec)) {
        m_error = "Cannot rename " + QuotedPath(from) + " to " + QuotedPath(to) + ": the name is already in use.";
        return false;
    }
    // One system call: nothing to show progress of, nothing to cancel.
    fs::rename(from, to, ec);
    if (ec)
        m_error = "Cannot rename " + QuotedPath(from) + " to " + QuotedPath(to) + ": " + ErrorReason(ec);
    return !ec;
}

} // namespace platform

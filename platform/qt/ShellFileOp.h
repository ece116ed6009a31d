#pragma once
// The shell's copy, delete and rename: no confirmation, a progress window
// with Cancel for long operations (the work runs off the GUI thread), and the
// failure reported as text for the caller's own message (nothing is shown here).
#include <functional>
#include <string>

class QWidget;

namespace platform {

class IWorkControl;
struct FileTreeResult;

class ShellFileOp {
public:
    // With a title or a parent, and a running QApplication, an operation that
    // takes longer than a moment shows a progress window with that title.
    explicit ShellFileOp(QWidget* parent = nullptr, std::string progressTitle = {});
    ~ShellFileOp();
    ShellFileOp(const ShellFileOp&) = delete;
    ShellFileOp& operator=(const ShellFileOp&) = delete;

    // Copies a folder's contents into to (created as needed), replacing
    // existing files; a single file is copied to to, or into it when to is a
    // folder or ends in '/'. A copy that fails or is cancelled is taken back:
    // the target is left as it was.
    bool Copy(const std::string& from, const std::string& to);
    // Deletes a file or a whole folder tree. A missing path is a failure. A
    // cancelled delete keeps the folder and its own files (see FileTreeDelete.h).
    bool Delete(const std::string& path);
    // Renames a file or folder; fails when to already names something else.
    bool Rename(const std::string& from, const std::string& to);

    // The reason of the last failure, or what a cancel left, in one or two
    // sentences; empty after a success.
    const std::string& Error() const { return m_error; }
    // The last operation stopped because the user pressed Cancel.
    bool Cancelled() const { return m_cancelled; }

private:
    // Runs job under the progress window; verb and path word an unexpected failure.
    FileTreeResult RunTreeWork(const std::string& verb, const std::string& path,
                               const std::function<FileTreeResult(IWorkControl&)>& job) const;

    QWidget* m_parent;
    std::string m_title;
    std::string m_error;
    bool m_cancelled = false;
};

} // namespace platform

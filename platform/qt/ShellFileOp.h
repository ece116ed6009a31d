#pragma once
// The shell's copy, delete and rename: no confirmation, a simple progress
// window for long operations, and the failure reported as text for the
// caller's own message (nothing is shown here).
#include <memory>
#include <string>

class QWidget;

namespace platform {

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
    // folder or ends in '/'.
    bool Copy(const std::string& from, const std::string& to);
    // Deletes a file or a whole folder tree. A missing path is a failure.
    bool Delete(const std::string& path);
    // Renames a file or folder; fails when to already names something else.
    bool Rename(const std::string& from, const std::string& to);

    // The reason of the last failure, in one sentence; empty after a success.
    const std::string& Error() const { return m_error; }

private:
    class Progress;

    void StartProgress(std::size_t total);
    void Step(const std::string& current);
    void StopProgress();
    bool Fail(std::string error);

    QWidget* m_parent;
    std::string m_title;
    std::string m_error;
    std::unique_ptr<Progress> m_progress;
};

} // namespace platform

#pragma once
// What a folder copy changed at its target, so that a cancelled or failed
// copy can be taken back whole: the folders and files it created are removed
// and every file it replaced gets its old content back. A replaced file is
// not overwritten in place: it is moved aside under a temporary name beside
// it, and only a committed copy removes it.
#include <string>
#include <vector>

namespace platform {

class CopyJournal {
public:
    CopyJournal() = default;
    ~CopyJournal() = default;
    CopyJournal(const CopyJournal&) = delete;
    CopyJournal& operator=(const CopyJournal&) = delete;

    void FolderCreated(const std::string& path);
    void FileCreated(const std::string& path);
    // Moves the file or link at path aside before a new one takes its name.
    // Returns 0, or the errno of the failure (path is then untouched).
    int SetAside(const std::string& path);

    // The copy is complete: the set-aside files go.
    void Commit();
    // Undoes everything in reverse order. Returns the first failure as a
    // sentence; empty when the target is as it was.
    std::string RollBack();

private:
    enum class Kind { Folder, File, Replaced };
    struct Change {
        Kind kind;
        std::string path;
        std::string aside;
    };
    std::vector<Change> m_changes;
};

} // namespace platform

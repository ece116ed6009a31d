#pragma once
// An advisory lock (flock) on one file for the time of a read-modify-write:
// every process that writes the file through CConf takes it, so none of them
// rewrites the file from a copy another one has changed meanwhile. Readers
// need none: the file is always replaced whole (temporary file renamed over it).
#include <string>

class CFileLock {
public:
    // Blocks until the file is locked. A missing file is created empty to carry
    // the lock; unless Written is called it is removed again on release. A file
    // replaced while waiting is locked anew, so the lock always covers the file
    // the name stands for.
    explicit CFileLock(const std::string& path);
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // False when the file can neither be opened nor created.
    bool Locked() const { return m_fd >= 0; }
    // The file now holds what the locker wrote: keep it even if the lock made it.
    void Written() { m_created = false; }

private:
    std::string m_path;
    int m_fd = -1;
    bool m_created = false;   // made by this lock and not written since
};

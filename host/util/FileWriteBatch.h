#pragma once
// Holds back the files written on this thread while it is open and writes each
// path once, with its last bytes, when it closes. A session-log import rewrites
// a device's tables and raw copies with every piece of that device; replacing
// a file tens of thousands of times costs far more than writing it once.
// Readers on the same thread see the held-back bytes (see Pending). A batch
// opened inside another joins it: the outer one writes everything.
#include <cstddef>
#include <string>
#include <unordered_map>

class FileWriteBatch {
public:
    FileWriteBatch();
    ~FileWriteBatch();
    FileWriteBatch(const FileWriteBatch&) = delete;
    FileWriteBatch& operator=(const FileWriteBatch&) = delete;

    // Replaces path with bytes: held back while a batch is open on this
    // thread, written at once (through a temporary renamed over the old file)
    // otherwise. False when an immediate write fails.
    static bool Write(const std::string& path, std::string bytes);

    // The bytes held back for path on this thread, or nullptr.
    static const std::string* Pending(const std::string& path);

    // Writes what is held back. False when any file could not be written
    // (those keep their old contents); nothing is held back afterwards.
    bool Flush();

private:
    void Keep(const std::string& path, std::string bytes);

    std::unordered_map<std::string, std::string> m_pending;
    std::size_t m_pendingBytes = 0;
    bool m_joined = false;
};

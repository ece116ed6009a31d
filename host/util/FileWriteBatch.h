#pragma once
// Holds back the files written on this thread while it is open and writes each
// path once, with its last bytes, when it closes. A session-log import rewrites
// a device's tables and raw copies with every piece of that device; replacing
// a file tens of thousands of times costs far more than writing it once.
// Readers on the same thread see the held-back bytes (see Pending). A batch
// opened inside another joins it: the outer one writes everything, and keeps
// the failures for its owner to take.
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class FileWriteBatch {
public:
    // A file that could not be written.
    struct Failure {
        std::string path;
        int error = 0;    // errno
        int writes = 0;   // Write calls whose bytes were lost with it
    };

    FileWriteBatch();
    ~FileWriteBatch();
    FileWriteBatch(const FileWriteBatch&) = delete;
    FileWriteBatch& operator=(const FileWriteBatch&) = delete;

    // Replaces path with bytes: held back while a batch is open on this
    // thread, written at once (through a temporary renamed over the old file)
    // otherwise. False, with errno set, when an immediate write fails.
    static bool Write(const std::string& path, std::string bytes);
    // Write of text with each LF as CR LF. Held back, the text is converted
    // only if it is still the path's last when written or read: an import
    // replaces a device's raw copy with each of its pieces.
    static bool WriteWithCrLf(const std::string& path, const std::string& text);

    // text with each LF as CR LF, into bytes (replacing what it held).
    static void ToCrLf(const std::string& text, std::string& bytes);

    // A write of path that failed before it reached the batch (its folder
    // could not be made): kept with the open batch's failures; nothing
    // happens when no batch is open.
    static void NoteFailure(const std::string& path, int error);

    // Whether bytes are held back for path on this thread.
    static bool Holds(const std::string& path);
    // The bytes held back for path on this thread, or nullptr.
    static const std::string* Pending(const std::string& path);

    // Writes what is held back. False when any file could not be written
    // (those keep their old contents); nothing is held back afterwards.
    bool Flush();

    // Drops what is held back, unwritten: for files wanted only as text.
    void Discard();

    // The failures since the batch opened (or since the last call), oldest first.
    std::vector<Failure> TakeFailures();

private:
    struct Held {
        std::string bytes;
        int writes = 0;
        bool lfToCrLf = false;   // bytes still has bare LFs, each to be written as CR LF
    };

    Held& Keep(const std::string& path, std::size_t size);
    // Converts held's bytes when they still wait for it.
    static void Settle(Held& held);
    // Writes out early when too much is held back.
    void FlushWhenFull();

    std::unordered_map<std::string, Held> m_pending;
    std::size_t m_pendingBytes = 0;
    std::vector<Failure> m_failures;
    bool m_joined = false;
};

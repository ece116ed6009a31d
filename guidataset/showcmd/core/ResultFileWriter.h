#pragma once
// Writes the show-command result files of an import on a thread of its own,
// so that creating tens of thousands of files overlaps the parsing of the
// pieces. Text is written with each LF as CR LF. At most a few megabytes wait
// at a time (Add blocks beyond that), so a long log keeps memory bounded.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

class ResultFileWriter {
public:
    explicit ResultFileWriter(std::size_t maxQueuedBytes = 8u << 20);
    // Waits until every file added has been written.
    ~ResultFileWriter();
    ResultFileWriter(const ResultFileWriter&) = delete;
    ResultFileWriter& operator=(const ResultFileWriter&) = delete;

    void Add(std::string path, std::string text);
    // Waits until every file added has been written; Add must not follow.
    void Finish();
    // Files that could not be written (none is left half written).
    int FailedCount() const;

    // Writes one file now: a new name is created in place (and removed again
    // if the write fails); an existing file is replaced through a temporary
    // renamed over it, so a reader never meets half a file.
    static bool WriteNow(const std::string& path, const std::string& text);
    // text with each LF as CR LF.
    static std::string WithCrLf(const std::string& text);

private:
    void Run();

    const std::size_t m_maxQueuedBytes;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<std::string, std::string>> m_queue;
    std::size_t m_queuedBytes = 0;
    bool m_finishing = false;
    int m_failed = 0;
    std::thread m_thread;
};

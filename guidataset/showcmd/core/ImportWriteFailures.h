#pragma once
// What an import could not write, and why: the files that were not written
// (the first few by name, all of them counted) and, when the import had to
// stop writing (its DataFolder is missing or was deleted), the reason. The
// import's result writer adds to it from a thread of its own.
#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class CImportWriteFailures {
public:
    // Files named in Describe; the rest are counted.
    static constexpr std::size_t kNamedFailures = 5;

    CImportWriteFailures() = default;
    CImportWriteFailures(const CImportWriteFailures& other);
    CImportWriteFailures& operator=(const CImportWriteFailures& other);

    // path could not be written; error is the system's errno value.
    void Add(const std::string& path, int error);
    // Nothing more is to be written; reason is a whole sentence for the user.
    void Stop(const std::string& reason);

    int Count() const { return m_count.load(std::memory_order_relaxed); }
    bool IsStopped() const { return m_stopped.load(std::memory_order_relaxed); }
    bool Empty() const { return Count() == 0 && !IsStopped(); }

    // Empty when everything was written. Else the reason the import stopped,
    // then how many files could not be written and, one a line, the first of
    // them with the reason.
    std::string Describe() const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::pair<std::string, int>> m_named;
    std::string m_stopReason;
    std::atomic<int> m_count{0};
    std::atomic<bool> m_stopped{false};
};

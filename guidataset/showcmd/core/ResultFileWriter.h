#pragma once
// Writes the show-command result files of an import on a thread of its own,
// so that creating tens of thousands of files overlaps the parsing of the
// pieces. Text is written with each LF as CR LF. At most a few megabytes wait
// at a time (Add blocks beyond that), so a long log keeps memory bounded.
// Results are handed over in batches of a few hundred kilobytes: waking the
// writer for each small result would cost more than writing it.
// A new result never replaces a file: each is written whole without a name
// (or, where the file system cannot, under a temporary name) and then given
// its own name, whose time moves forward while another result (of this or
// another process) holds it.
#include "guidataset/showcmd/core/InOrderWorker.h"
#include "platform/core/TempFilesInFolder.h"

#include <atomic>
#include <cstddef>
#include <string>

class CImportWriteFailures;

class ResultFileWriter {
public:
    // Files that cannot be written are added to failures, when given.
    // around: what the writer thread sets up before and settles after the
    // writing (see CInOrderWorker).
    explicit ResultFileWriter(CImportWriteFailures* failures = nullptr, std::size_t maxQueuedBytes = 8u << 20,
                              CInOrderWorker::Around around = {});
    // Waits until every file added has been written.
    ~ResultFileWriter();
    ResultFileWriter(const ResultFileWriter&) = delete;
    ResultFileWriter& operator=(const ResultFileWriter&) = delete;

    // path: the result's name as made "now" (CFileName).
    void Add(std::string path, std::string text);
    // Other work for the writer thread, run in order with the results; bytes
    // counts toward the queue's limit. An exception of job stops the writer.
    void AddJob(CInOrderWorker::Job job, std::size_t bytes);
    // Waits until every file added has been written, and throws what stopped
    // the writer (nothing is written after it); Add must not follow.
    void Finish();
    // Whether more than half of the queue's room is taken: the writer falls behind.
    bool Behind() const { return m_worker.QueuedBytes() * 2 > m_maxQueuedBytes; }
    // Whether the writer has stopped on an exception.
    bool Stopped() const { return m_worker.Failed(); }
    // Files that could not be written (none is left half written).
    int FailedCount() const;

    struct Outcome {
        int error = 0;      // errno of the failure, 0 when written
        std::string path;   // where the result went: path, or a name of a later time
    };
    // Writes one new result now. Its folder (a kind folder) is made when
    // missing, but only inside a DataFolder that exists.
    static Outcome WriteNow(const std::string& path, const std::string& text);
    // text with each LF as CR LF.
    static std::string WithCrLf(const std::string& text);

private:
    // WriteNow for the writer thread: reuses its buffer and its open folder.
    Outcome Write(const std::string& path, const std::string& text);
    // The unnamed-file way; false when it could not be used, and the result
    // is to be written the temporary-then-rename way. fresh: the folder was
    // opened for this result.
    bool WriteUnnamed(const std::string& path, Outcome& outcome, bool& fresh);
    // WriteNow of text already converted to CR LF.
    static Outcome WriteBytesNow(const std::string& path, const std::string& bytes);

    CImportWriteFailures* m_failures;
    const std::size_t m_maxQueuedBytes;
    std::atomic<int> m_failed{0};

    // Writer thread only: the folder results go to, the result's bytes, and
    // whether unnamed files work there.
    platform::CTempFilesInFolder m_folder;
    std::string m_bytes;
    bool m_unnamedFiles = true;

    CInOrderWorker m_worker;
};

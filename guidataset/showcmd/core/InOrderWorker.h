#pragma once
// Runs jobs on a thread of its own, one after another in the order they were
// added. Jobs are handed over in batches of a few hundred kilobytes (as the
// adder counts them): waking the thread for each small job would cost more
// than the job. At most maxQueuedBytes wait at a time (Add blocks beyond
// that), so memory stays bounded however much is added.
// The first exception of a job ends the running: later jobs are dropped, and
// Finish throws it again on the adding thread.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class CInOrderWorker {
public:
    using Job = std::function<void()>;
    // Called on the worker thread with the function that runs the jobs: what
    // the jobs need on their thread is set up before and settled after it.
    using Around = std::function<void(const std::function<void()>& runJobs)>;

    explicit CInOrderWorker(std::size_t maxQueuedBytes, Around around = {});
    // Runs what was added and waits for it; an exception is dropped.
    ~CInOrderWorker();
    CInOrderWorker(const CInOrderWorker&) = delete;
    CInOrderWorker& operator=(const CInOrderWorker&) = delete;

    // Queues job, which stands for bytes of work. False, and the job is
    // dropped, once a job or the setting up has thrown.
    bool Add(Job job, std::size_t bytes);
    // Runs what was added, waits for it and throws the first exception of a
    // job again; Add must not follow.
    void Finish();
    // Bytes added and not yet run.
    std::size_t QueuedBytes() const;
    // Whether a job or the setting up has thrown.
    bool Failed() const { return m_failed.load(std::memory_order_acquire); }

private:
    void Run();
    void RunJobs();
    void Join();
    std::size_t BatchBytes() const;

    const std::size_t m_maxQueuedBytes;
    Around m_around;
    mutable std::mutex m_mutex;
    // The worker waits on m_batchReady, a full queue's Add on m_roomMade.
    std::condition_variable m_batchReady;
    std::condition_variable m_roomMade;
    std::deque<Job> m_queue;
    std::size_t m_queuedBytes = 0;
    // Bytes the worker has taken and not yet run.
    std::size_t m_runningBytes = 0;
    bool m_workerWaiting = false;
    bool m_adderWaiting = false;
    bool m_finishing = false;
    std::exception_ptr m_failure;
    std::atomic<bool> m_failed{false};
    std::thread m_thread;
};

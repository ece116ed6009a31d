#include "guidataset/showcmd/core/InOrderWorker.h"

#include <algorithm>
#include <utility>

namespace {

// Bytes of jobs handed to the worker at once.
constexpr std::size_t kBatchBytes = 512u << 10;

} // namespace

CInOrderWorker::CInOrderWorker(std::size_t maxQueuedBytes, Around around)
    : m_maxQueuedBytes(maxQueuedBytes)
    , m_around(std::move(around))
    , m_thread([this] { Run(); })
{
}

CInOrderWorker::~CInOrderWorker()
{
    Join();
}

bool CInOrderWorker::Add(Job job, std::size_t bytes)
{
    std::unique_lock lock(m_mutex);
    // One job larger than the limit still goes through, alone.
    const auto fits = [&] {
        return m_failure || (m_queue.empty() && m_runningBytes == 0) ||
               m_queuedBytes + m_runningBytes + bytes <= m_maxQueuedBytes;
    };
    if (!fits()) {
        m_adderWaiting = true;
        if (m_workerWaiting)
            m_batchReady.notify_one();
        m_roomMade.wait(lock, fits);
        m_adderWaiting = false;
    }
    if (m_failure)
        return false;
    m_queuedBytes += bytes;
    m_queue.push_back(std::move(job));
    if (m_workerWaiting && m_queuedBytes >= BatchBytes())
        m_batchReady.notify_one();
    return true;
}

void CInOrderWorker::Finish()
{
    Join();
    std::lock_guard lock(m_mutex);
    if (m_failure)
        std::rethrow_exception(std::exchange(m_failure, nullptr));
}

void CInOrderWorker::Join()
{
    {
        std::lock_guard lock(m_mutex);
        m_finishing = true;
    }
    m_batchReady.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

std::size_t CInOrderWorker::QueuedBytes() const
{
    std::lock_guard lock(m_mutex);
    return m_queuedBytes + m_runningBytes;
}

std::size_t CInOrderWorker::BatchBytes() const
{
    return std::min<std::size_t>(kBatchBytes, m_maxQueuedBytes / 4 + 1);
}

void CInOrderWorker::Run()
{
    try {
        if (m_around)
            m_around([this] { RunJobs(); });
        else
            RunJobs();
    } catch (...) {
        std::lock_guard lock(m_mutex);
        if (!m_failure)
            m_failure = std::current_exception();
        m_failed.store(true, std::memory_order_release);
    }
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_queuedBytes = 0;
    m_runningBytes = 0;
    // An Add waiting for room learns of the failure.
    m_roomMade.notify_all();
}

void CInOrderWorker::RunJobs()
{
    std::deque<Job> batch;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_workerWaiting = true;
        m_batchReady.wait(lock, [&] {
            // A waiting Add with nothing queued waits for the batch being
            // run, which is done: waking for it would spin holding the lock.
            return m_finishing || (!m_queue.empty() && (m_adderWaiting || m_queuedBytes >= BatchBytes()));
        });
        m_workerWaiting = false;
        if (m_queue.empty()) {
            if (m_finishing)
                return;
            continue;
        }
        batch.swap(m_queue);
        m_runningBytes = m_queuedBytes;
        m_queuedBytes = 0;
        lock.unlock();
        for (Job& job : batch)
            job();
        batch.clear();
        lock.lock();
        m_runningBytes = 0;
        if (m_adderWaiting)
            m_roomMade.notify_one();
    }
}

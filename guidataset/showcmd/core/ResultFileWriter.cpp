#include "guidataset/showcmd/core/ResultFileWriter.h"

#include "guidataset/showcmd/core/ImportWriteFailures.h"
#include "host/util/CFileName.h"
#include "platform/core/TempFiles.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Moving a result's time forward gives up after this many taken names (a
// minute and a half of results made in the same instant).
constexpr int kMaxLaterNames = 100000;

// Bytes of results handed to the writer at once.
constexpr std::size_t kBatchBytes = 512u << 10;

bool WriteAll(int fd, const std::string& bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
        else if (!(wrote < 0 && errno == EINTR))
            return false;
    }
    return true;
}

// The whole text in a new temporary file beside path; errno when it fails.
int WriteTemporary(const std::string& path, const std::string& bytes, std::string& temp)
{
    int fd = platform::CreateTemporaryBeside(path, temp);
    if (fd < 0 && errno == ENOENT) {
        // The kind folder went missing: made again, one level only, so a
        // DataFolder deleted meanwhile is not made again.
        const std::size_t slash = path.rfind('/');
        if (slash != std::string::npos && slash > 0 && ::mkdir(path.substr(0, slash).c_str(), 0777) == 0)
            fd = platform::CreateTemporaryBeside(path, temp);
        else
            errno = ENOENT;
    }
    if (fd < 0)
        return errno;
    int error = WriteAll(fd, bytes) ? 0 : (errno ? errno : EIO);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlink(temp.c_str());
    return error;
}

} // namespace

ResultFileWriter::ResultFileWriter(CImportWriteFailures* failures, std::size_t maxQueuedBytes)
    : m_failures(failures)
    , m_maxQueuedBytes(maxQueuedBytes)
    , m_thread([this] { Run(); })
{
}

ResultFileWriter::~ResultFileWriter()
{
    Finish();
}

void ResultFileWriter::Add(std::string path, std::string text)
{
    std::unique_lock lock(m_mutex);
    // One file larger than the limit still goes through, alone.
    const auto fits = [&] {
        return (m_queue.empty() && m_writingBytes == 0) ||
               m_queuedBytes + m_writingBytes + text.size() <= m_maxQueuedBytes;
    };
    if (!fits()) {
        m_adderWaiting = true;
        if (m_writerWaiting)
            m_batchReady.notify_one();
        m_roomMade.wait(lock, fits);
        m_adderWaiting = false;
    }
    m_queuedBytes += text.size();
    m_queue.emplace_back(std::move(path), std::move(text));
    if (m_writerWaiting && m_queuedBytes >= BatchBytes())
        m_batchReady.notify_one();
}

void ResultFileWriter::Finish()
{
    {
        std::lock_guard lock(m_mutex);
        m_finishing = true;
    }
    m_batchReady.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

int ResultFileWriter::FailedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_failed;
}

std::size_t ResultFileWriter::BatchBytes() const
{
    return std::min<std::size_t>(kBatchBytes, m_maxQueuedBytes / 4 + 1);
}

void ResultFileWriter::Run()
{
    std::deque<std::pair<std::string, std::string>> batch;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_writerWaiting = true;
        m_batchReady.wait(lock, [&] {
            // A waiting Add with nothing queued waits for the batch being
            // written, which is done: waking for it would spin holding the lock.
            return m_finishing || (!m_queue.empty() && (m_adderWaiting || m_queuedBytes >= BatchBytes()));
        });
        m_writerWaiting = false;
        if (m_queue.empty()) {
            if (m_finishing)
                return;
            continue;
        }
        batch.swap(m_queue);
        m_writingBytes = m_queuedBytes;
        m_queuedBytes = 0;
        lock.unlock();
        int failed = 0;
        for (const auto& [path, text] : batch) {
            const Outcome outcome = WriteNow(path, text);
            if (outcome.error != 0) {
                ++failed;
                if (m_failures)
                    m_failures->Add(path, outcome.error);
            }
        }
        batch.clear();
        lock.lock();
        m_writingBytes = 0;
        m_failed += failed;
        if (m_adderWaiting)
            m_roomMade.notify_one();
    }
}

std::string ResultFileWriter::WithCrLf(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 32 + 16);
    std::size_t from = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', from);
        if (lf == std::string::npos) {
            bytes.append(text, from, std::string::npos);
            return bytes;
        }
        bytes.append(text, from, lf - from);
        bytes += "\r\n";
        from = lf + 1;
    }
}

ResultFileWriter::Outcome ResultFileWriter::WriteNow(const std::string& path, const std::string& text)
{
    Outcome outcome;
    std::string temp;
    outcome.error = WriteTemporary(path, WithCrLf(text), temp);
    if (outcome.error != 0)
        return outcome;
    // Only a whole result gets a result's name, and never one that is taken.
    outcome.path = path;
    for (int later = 0; later <= kMaxLaterNames; ++later) {
        outcome.error = platform::RenameNoReplace(temp, outcome.path);
        if (outcome.error != EEXIST)
            break;
        outcome.path = CFileName::LaterShowCommandResultFileName(outcome.path);
        if (outcome.path.empty())
            break;
    }
    if (outcome.error != 0) {
        ::unlink(temp.c_str());
        outcome.path.clear();
    }
    return outcome;
}

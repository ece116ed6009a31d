#include "guidataset/showcmd/core/ResultFileWriter.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

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

} // namespace

ResultFileWriter::ResultFileWriter(std::size_t maxQueuedBytes)
    : m_maxQueuedBytes(maxQueuedBytes)
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
    m_changed.wait(lock, [&] { return m_queue.empty() || m_queuedBytes + text.size() <= m_maxQueuedBytes; });
    m_queuedBytes += text.size();
    m_queue.emplace_back(std::move(path), std::move(text));
    m_changed.notify_all();
}

void ResultFileWriter::Finish()
{
    {
        std::lock_guard lock(m_mutex);
        m_finishing = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

int ResultFileWriter::FailedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_failed;
}

void ResultFileWriter::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_finishing || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        auto [path, text] = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        const bool ok = WriteNow(path, text);
        lock.lock();
        m_queuedBytes -= text.size();
        if (!ok)
            ++m_failed;
        m_changed.notify_all();
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

bool ResultFileWriter::WriteNow(const std::string& path, const std::string& text)
{
    const std::string bytes = WithCrLf(text);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        const bool ok = WriteAll(fd, bytes);
        if (::close(fd) == 0 && ok)
            return true;
        std::remove(path.c_str());
        return false;
    }
    if (errno != EEXIST)
        return false;
    const std::string temp = path + ".tmp~";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temp.c_str());
    return false;
}

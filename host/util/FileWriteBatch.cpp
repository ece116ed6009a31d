#include "host/util/FileWriteBatch.h"

#include "platform/core/Paths.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

thread_local FileWriteBatch* t_open = nullptr;

// Above this many held-back bytes the batch writes out early, so that a log of
// very many devices cannot grow it without bound.
constexpr std::size_t kMaxPendingBytes = 32u << 20;

} // namespace

FileWriteBatch::FileWriteBatch()
    : m_joined(t_open != nullptr)
{
    if (!m_joined)
        t_open = this;
}

FileWriteBatch::~FileWriteBatch()
{
    if (m_joined)
        return;
    Flush();
    t_open = nullptr;
}

bool FileWriteBatch::Write(const std::string& path, std::string bytes)
{
    if (path.empty()) {
        errno = EINVAL;
        return false;
    }
    if (t_open) {
        t_open->Keep(path, bytes.size()).bytes = std::move(bytes);
        t_open->FlushWhenFull();
        return true;
    }
    return platform::AtomicWriteFile(path, bytes);
}

bool FileWriteBatch::WriteWithCrLf(const std::string& path, const std::string& text)
{
    if (path.empty()) {
        errno = EINVAL;
        return false;
    }
    if (t_open) {
        Held& kept = t_open->Keep(path, text.size());
        // Assigned, not moved in: the buffer of the path's last text is reused.
        kept.bytes.assign(text);
        kept.lfToCrLf = true;
        t_open->FlushWhenFull();
        return true;
    }
    std::string bytes;
    ToCrLf(text, bytes);
    return platform::AtomicWriteFile(path, bytes);
}

void FileWriteBatch::ToCrLf(const std::string& text, std::string& bytes)
{
    bytes.clear();
    bytes.reserve(text.size() + text.size() / 32 + 16);
    const char* from = text.data();
    const char* const end = from + text.size();
    while (from < end) {
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
        if (!lf) {
            bytes.append(from, end);
            break;
        }
        bytes.append(from, lf);
        bytes += "\r\n";
        from = lf + 1;
    }
}

void FileWriteBatch::Settle(Held& held)
{
    if (!held.lfToCrLf)
        return;
    std::string bytes;
    ToCrLf(held.bytes, bytes);
    held.bytes.swap(bytes);
    held.lfToCrLf = false;
}

const std::string* FileWriteBatch::Pending(const std::string& path)
{
    if (!t_open)
        return nullptr;
    const auto it = t_open->m_pending.find(path);
    if (it == t_open->m_pending.end())
        return nullptr;
    Settle(it->second);
    return &it->second.bytes;
}

bool FileWriteBatch::Holds(const std::string& path)
{
    return t_open && t_open->m_pending.count(path) != 0;
}

void FileWriteBatch::NoteFailure(const std::string& path, int error)
{
    if (t_open)
        t_open->m_failures.push_back({path, error, 0});
}

void FileWriteBatch::Discard()
{
    if (m_joined)
        return;
    m_pending.clear();
    m_pendingBytes = 0;
}

std::vector<FileWriteBatch::Failure> FileWriteBatch::TakeFailures()
{
    std::vector<Failure> failures;
    failures.swap(m_failures);
    return failures;
}

FileWriteBatch::Held& FileWriteBatch::Keep(const std::string& path, std::size_t size)
{
    Held& kept = m_pending[path];
    m_pendingBytes = m_pendingBytes - kept.bytes.size() + size;
    kept.lfToCrLf = false;
    ++kept.writes;
    return kept;
}

void FileWriteBatch::FlushWhenFull()
{
    if (m_pendingBytes > kMaxPendingBytes)
        Flush();
}

bool FileWriteBatch::Flush()
{
    if (m_joined)
        return true;
    // Derived files, written like the results beside them: replaced whole,
    // without a flush to the disk per file.
    bool ok = true;
    for (auto& [path, held] : m_pending) {
        Settle(held);
        int error = 0;
        if (!platform::AtomicWriteFile(path, held.bytes, false, &error)) {
            m_failures.push_back({path, error, held.writes});
            ok = false;
        }
    }
    m_pending.clear();
    m_pendingBytes = 0;
    return ok;
}

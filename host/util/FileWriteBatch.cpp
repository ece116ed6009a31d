#include "host/util/FileWriteBatch.h"

#include "platform/core/Paths.h"

#include <cerrno>
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
        t_open->Keep(path, std::move(bytes));
        return true;
    }
    return platform::AtomicWriteFile(path, bytes);
}

const std::string* FileWriteBatch::Pending(const std::string& path)
{
    if (!t_open)
        return nullptr;
    const auto it = t_open->m_pending.find(path);
    return it == t_open->m_pending.end() ? nullptr : &it->second.bytes;
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

void FileWriteBatch::Keep(const std::string& path, std::string bytes)
{
    Held& kept = m_pending[path];
    m_pendingBytes = m_pendingBytes - kept.bytes.size() + bytes.size();
    kept.bytes = std::move(bytes);
    ++kept.writes;
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
    for (const auto& [path, held] : m_pending) {
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

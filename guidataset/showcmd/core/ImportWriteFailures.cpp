#include "guidataset/showcmd/core/ImportWriteFailures.h"

#include <cstring>

CImportWriteFailures::CImportWriteFailures(const CImportWriteFailures& other)
{
    *this = other;
}

CImportWriteFailures& CImportWriteFailures::operator=(const CImportWriteFailures& other)
{
    if (this == &other)
        return *this;
    std::scoped_lock lock(m_mutex, other.m_mutex);
    m_named = other.m_named;
    m_stopReason = other.m_stopReason;
    m_count.store(other.m_count.load());
    m_stopped.store(other.m_stopped.load());
    return *this;
}

void CImportWriteFailures::Add(const std::string& path, int error)
{
    std::lock_guard lock(m_mutex);
    if (m_named.size() < kNamedFailures)
        m_named.emplace_back(path, error);
    m_count.fetch_add(1, std::memory_order_relaxed);
}

void CImportWriteFailures::Stop(const std::string& reason)
{
    std::lock_guard lock(m_mutex);
    if (m_stopped.exchange(true))
        return;
    m_stopReason = reason;
}

std::string CImportWriteFailures::Describe() const
{
    std::lock_guard lock(m_mutex);
    std::string text = m_stopReason;
    const int count = m_count.load();
    if (count == 0)
        return text;
    if (!text.empty())
        text += '\n';
    text += std::to_string(count) + (count == 1 ? " file" : " files") + " could not be written:";
    for (const auto& [path, error] : m_named)
        text += "\n'" + path + "': " + std::strerror(error);
    const int unnamed = count - static_cast<int>(m_named.size());
    if (unnamed > 0)
        text += "\n(and " + std::to_string(unnamed) + " more)";
    return text;
}

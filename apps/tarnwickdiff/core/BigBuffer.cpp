#include "apps/tarnwickdiff/core/BigBuffer.h"

#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <utility>

namespace tarnwickdiff {

namespace {
constexpr std::size_t kHugePage = std::size_t(2) << 20;
}

CBigBuffer::CBigBuffer(std::size_t bytes)
{
    // Room to start at a huge-page boundary, so whole 2 MB pages fit.
    const std::size_t mapSize = (bytes ? bytes : 1) + (bytes >= kHugePage ? kHugePage : 0);
    void* map = ::mmap(nullptr, mapSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (map == MAP_FAILED)
        return;
    m_map = map;
    m_mapSize = mapSize;
    auto start = reinterpret_cast<std::uintptr_t>(map);
    if (bytes >= kHugePage) {
        start = (start + kHugePage - 1) & ~(kHugePage - 1);
        ::madvise(reinterpret_cast<void*>(start), bytes & ~(kHugePage - 1), MADV_HUGEPAGE);
    }
    m_data = reinterpret_cast<char*>(start);
    m_capacity = mapSize - (start - reinterpret_cast<std::uintptr_t>(map));
}

CBigBuffer::~CBigBuffer()
{
    Release();
}

CBigBuffer::CBigBuffer(CBigBuffer&& other) noexcept
{
    *this = std::move(other);
}

CBigBuffer& CBigBuffer::operator=(CBigBuffer&& other) noexcept
{
    if (this != &other) {
        Release();
        std::swap(m_map, other.m_map);
        std::swap(m_mapSize, other.m_mapSize);
        std::swap(m_data, other.m_data);
        std::swap(m_capacity, other.m_capacity);
    }
    return *this;
}

bool CBigBuffer::Grow(std::size_t bytes, std::size_t keep)
{
    if (bytes <= m_capacity)
        return true;
    CBigBuffer bigger(bytes);
    if (!bigger.Data())
        return false;
    if (keep)
        std::memcpy(bigger.m_data, m_data, keep);
    *this = std::move(bigger);
    return true;
}

void CBigBuffer::Release()
{
    if (m_map)
        ::munmap(m_map, m_mapSize);
    m_map = nullptr;
    m_mapSize = 0;
    m_data = nullptr;
    m_capacity = 0;
}

} // namespace tarnwickdiff

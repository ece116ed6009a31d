#pragma once
// A large block of memory for one comparison's bulk data (file bytes, line
// tables). Mapped directly and marked for huge pages where the system allows
// them: filling megabytes page by page costs more than reading them, and a
// 2 MB page takes one fault where 4 KB pages take 512.
#include <cstddef>

namespace tarnwickdiff {

class CBigBuffer {
public:
    CBigBuffer() = default;
    // Room for at least bytes; empty (Data() null) when the system has no memory to give.
    explicit CBigBuffer(std::size_t bytes);
    ~CBigBuffer();
    CBigBuffer(CBigBuffer&& other) noexcept;
    CBigBuffer& operator=(CBigBuffer&& other) noexcept;
    CBigBuffer(const CBigBuffer&) = delete;
    CBigBuffer& operator=(const CBigBuffer&) = delete;

    char* Data() const { return m_data; }
    std::size_t Capacity() const { return m_capacity; }
    // Keeps the first `keep` bytes and makes room for at least bytes in all.
    bool Grow(std::size_t bytes, std::size_t keep);

private:
    void Release();

    void* m_map = nullptr;
    std::size_t m_mapSize = 0;
    char* m_data = nullptr;
    std::size_t m_capacity = 0;
};

} // namespace tarnwickdiff

#pragma once
// The host's root object: reaches the file system of a network by its id.
#include <cstdint>

class TWFileSystem;

// A network id in the layout of a Windows GUID.
struct TWGuid2 {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};

    // The id that stands for "the current network".
    static TWGuid2 AllOnes();
    bool IsAllOnes() const;
    friend bool operator==(const TWGuid2&, const TWGuid2&) = default;
};

class TWRoot {
public:
    static TWRoot& Instance();

    // Only the open project is known to this host, so every id answers its
    // file system; null when no project is open.
    TWFileSystem* GetFileSystem(const TWGuid2& id) const;

    TWRoot(const TWRoot&) = delete;
    TWRoot& operator=(const TWRoot&) = delete;

private:
    TWRoot() = default;
};

#pragma once
// The host's root object: reaches the file system of a network by its id,
// and the nodes (devices) of the open project's network model by theirs.
#include <cstdint>
#include <optional>
#include <string>

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
    // A node number in the id's first 64 bits (low 32 in data1, then data2, data3).
    static TWGuid2 FromNumber(std::uint64_t number);
    std::uint64_t ToNumber() const;
    // The node number in decimal, as monitor folders are named.
    std::string ToStringDec() const;
    friend bool operator==(const TWGuid2&, const TWGuid2&) = default;
};

// A device of the network model as a node of the root object.
struct TWNode {
    TWGuid2 id;
    std::string name;   // the model's spelling of the device name
};

class TWRoot {
public:
    static TWRoot& Instance();

    // Only the open project is known to this host, so every id answers its
    // file system; null when no project is open.
    TWFileSystem* GetFileSystem(const TWGuid2& id) const;

    // The device of the open project whose node id is id; nothing when no
    // project is open or no device has it. network names the network to
    // look in; this host knows only the open one, so every network id asks it.
    std::optional<TWNode> GetNode(const TWGuid2& id, const TWGuid2& network) const;
    // A device's node number: derived from its name (ignoring case), so it
    // stays the same across restarts and on every machine that opens the project.
    static std::uint64_t NodeNumberOf(const std::string& deviceName);

    TWRoot(const TWRoot&) = delete;
    TWRoot& operator=(const TWRoot&) = delete;

private:
    TWRoot() = default;
};

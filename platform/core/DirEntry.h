#pragma once
#include "platform/core/FileTimes.h"

#include <cstdint>
#include <string>

namespace platform {

// Attribute bits, numbered as the Windows directory search reports them.
enum FileAttribute : std::uint32_t {
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrDirectory = 0x10,
    kAttrNormal = 0x80,
};

// One entry of a directory search.
struct DirEntry {
    std::string name;            // file name only, no folder
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    FileTime creationTime = 0;
    FileTime lastWriteTime = 0;

    bool IsDirectory() const { return (attributes & kAttrDirectory) != 0; }
};

} // namespace platform

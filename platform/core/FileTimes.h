#pragma once
// File times as the Windows host knew them: last-write time is mtime,
// creation time is the statx birth time where the file system keeps one.
#include <cstdint>
#include <string>

namespace platform {

// Nanoseconds since 1970-01-01 00:00:00 UTC; 0 means unknown.
using FileTime = std::int64_t;

FileTime LastWriteTime(const std::string& path);
// Birth time when the file system records it, else the last-write time.
FileTime CreationTime(const std::string& path);
FileTime Now();

// Formats in local time with a strftime pattern ("%Y-%m-%d %H:%M:%S").
std::string FormatLocalTime(FileTime time, const char* pattern);

} // namespace platform

#pragma once
// The one place that knows the path separator. Folder paths handed out end in
// '/'; a trailing backslash from text written on Windows counts as one too.
#include <string>
#include <string_view>

namespace platform {

// True when s ends in '/' or '\\'.
bool EndsWithSeparator(std::string_view s);

// s with a trailing '/' (a trailing '\\' becomes '/'); empty stays empty so an
// unset folder never turns into the root folder.
std::string EnsureTrailingSlash(std::string_view s);

// path without its trailing separators ('/' or '\\'); a lone "/" stays.
std::string StripTrailingSeparators(std::string path);

// path with exactly one trailing '/', whatever separators it ended in.
std::string WithTrailingSlash(const std::string& path);

// folder + '/' + name, with exactly one separator between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// Replaces path with bytes through a temporary file in the same folder that is
// renamed over the old file. On failure the temporary is removed, the old file
// is left as it was, and false is returned. flushToDisk also forces the data
// and the rename to the disk before returning; bulk writers that sync once at
// the end pass false. error, when given, receives the errno of a failure
// (errno holds it too).
bool AtomicWriteFile(const std::string& path, std::string_view bytes, bool flushToDisk = true,
                     int* error = nullptr);

} // namespace platform

#pragma once
// Listing of the result files in a show-command folder.
#include <cstdint>
#include <functional>
#include <string>

namespace platform {
struct DirEntry;
}

// entry: the file (name, creation and last-write time); index: the number of
// files handed over before it; userValue and context: as given to the listing.
using ShowCommandResultCallback =
    std::function<void(const platform::DirEntry& entry, int index, std::intptr_t userValue, void* context)>;

// Hands every result file of folder whose name holds filter to callback, in
// the order the directory search delivers them; folders, "." and ".." are
// skipped. Pattern: "<filter>*.txt", or "*<filter>*.txt" with deviceField set
// and a filter given, in which case a name holding '$' is kept only when its
// text before the first '$' contains filter (case-sensitive). Returns the
// number of files handed over, or -1 when nothing matches the pattern at all.
int EnumShowCommandResults(const ShowCommandResultCallback& callback, void* context, std::intptr_t userValue,
                           const std::string& folder, const std::string& filter, bool deviceField);

#pragma once
// Directory search with the find-first/find-next semantics the module was
// written against: a folder plus a last component with '*' and '?' wildcards,
// matched without regard to ASCII case, entries in the order the file system
// delivers them (unsorted), "." and ".." included.
#include "platform/core/DirEntry.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Calls visit for each match until it returns false. A folder that is missing
// or unreadable yields nothing; no error is reported.
void FindFiles(const std::string& pattern, const std::function<bool(const DirEntry&)>& visit);

// Convenience form collecting every match.
std::vector<DirEntry> FindFiles(const std::string& pattern);

// Case-insensitive (ASCII) wildcard match of a single name against '*' and '?'.
bool WildcardMatch(const std::string& pattern, const std::string& name);

} // namespace platform

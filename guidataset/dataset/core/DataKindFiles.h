#pragma once
// The file lister every browsing page uses, and the emptiness test built on it.
#include "guidataset/dataset/core/DataKind.h"

#include <string>
#include <vector>

namespace platform {
struct DirEntry;
}

// Appends to out the files of kind in folder, in the order the directory
// search delivers them. With a device filter, the search pattern is
// "*<filter>*<ext>" and a name holding '$' is kept only when its part before
// the first '$' contains the filter (ignoring case). Sub-folders, "." and ".."
// are never listed; kinds without an extension (other than 33) list nothing.
void ListDataKindFiles(std::vector<platform::DirEntry>& out, const std::string& folder,
                       DataKind kind, const std::string& deviceFilter);

// anyMode true: true when none of the kinds has a file. anyMode false: true
// when at least one of the kinds has none. Kinds unknown to the test are
// skipped; an empty list answers anyMode. An empty path means the current
// DataFolder of the open project.
bool IsDataFolderEmpty(std::string path, const std::vector<DataKind>& kinds, bool anyMode);

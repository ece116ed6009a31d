#pragma once
// Deletes a file or a folder tree. A folder's sub-folders are emptied first,
// deepest first, and the files directly in the folder go last, once nothing
// can stop the delete any more: a delete cancelled midway leaves the folder
// with its own files (a DataFolder's description and lock) and whatever its
// sub-folders still hold.
#include "platform/core/FileTreeResult.h"

#include <string>

namespace platform {

class IWorkControl;

// A missing path is a failure.
FileTreeResult DeleteFileTree(const std::string& path, IWorkControl& work);

} // namespace platform

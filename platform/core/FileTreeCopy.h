#pragma once
// Copies a file or a folder's contents, whole or not at all: a copy that is
// cancelled or fails takes back everything it did (files it created go,
// files it replaced come back), so the target is as it was before. Every file
// arrives under its name complete, through a temporary beside it. The source
// is only read.
#include "platform/core/FileTreeResult.h"

#include <string>

namespace platform {

class IWorkControl;

// A folder's contents go into to (created as needed), replacing files of the
// same names; a single file is copied to to, or into it when to is a folder
// or ends in '/'. Symbolic links are copied as links; times of files are kept.
FileTreeResult CopyFileTree(const std::string& from, const std::string& to, IWorkControl& work);

} // namespace platform

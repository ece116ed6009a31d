#pragma once
// Temporary files of whole-file writes. A file is written under a temporary
// name in its own folder and moved to its real name only when complete, so a
// crash leaves at most a temporary, never half a file under a real name.
// Temporary names are short (a long real name still gets one), start with a
// dot and end in no extension that a listing looks for, and carry the id of
// the process that writes them, so a later writer can tell a crash's
// leftovers from another process's work in progress.
#include <string>

namespace platform {

// Creates a new, empty temporary file in the folder of path and opens it for
// writing. Returns the descriptor and fills tempPath, or -1 with errno set.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath);

// True when name (no folder) is a temporary name of CreateTemporaryBeside;
// pid receives the id of the process that made it.
bool IsTemporaryName(const std::string& name, long& pid);

// Gives the complete file tempPath the name path unless path already exists.
// Returns 0 when done, EEXIST when path is taken (tempPath then stays), or
// the errno of the failure. Never replaces an existing file, also where the
// file system cannot rename without replacing (hard links are used then).
int RenameNoReplace(const std::string& tempPath, const std::string& path);

// Removes from folder the temporaries whose writing process has ended (a
// crash or a kill left them). Those of running processes stay. Returns the
// number removed.
int RemoveStaleTemporaries(const std::string& folder);

} // namespace platform

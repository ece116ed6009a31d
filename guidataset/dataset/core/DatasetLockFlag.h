#pragma once
// The lock flag of a DataFolder (IsLocked of its descriptor) and the
// process-wide cache that spares pickers and panels a file read per refresh.
// GUI thread only: the cache is not guarded.
#include <cstddef>
#include <string>

// Writes IsLocked "True" (locked non-zero) or "False" into the descriptor,
// keeping its other elements; an unreadable descriptor is replaced by one
// holding only the flag. The cache takes the new flag even when the file
// can't be saved, so the running program sees the change. Returns whether
// the descriptor was saved.
bool SetDatasetLockFlag(std::string path, int locked);

// Drops the cached flag of the DataFolder, so the next question reads the
// descriptor again (after a change that could not be saved).
void ForgetDatasetLockFlag(const std::string& path);

// True when the DataFolder is locked. Only the first question for a
// descriptor path reads the file. When locked and ask is set, the user is
// warned and cancel becomes true unless the answer is Yes; in every other case
// cancel keeps the value the caller gave it.
bool ReadDatasetLockFlag(const std::string& path, bool& cancel, bool ask);

// Number of descriptor loads done by the two operations above since the
// process started; lets a test see whether the cache answered.
std::size_t DatasetLockFlagFileLoads();

#pragma once
// The outcome of a copy or delete of a file tree.
#include <cstddef>
#include <string>

namespace platform {

struct FileTreeResult {
    bool cancelled = false;
    std::string error;            // one sentence; empty after a success or a clean cancel
    std::size_t filesDone = 0;    // files (not folders) copied or deleted
    std::size_t filesTotal = 0;   // files the operation set out to copy or delete

    bool Ok() const { return !cancelled && error.empty(); }
};

} // namespace platform

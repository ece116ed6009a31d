#pragma once
// Programs the workstation starts (the difference viewer TarnwickDiff.exe)
// ship beside it: its own folder goes first on PATH, so they are found there
// before any other copy, whether it was started from build/bin or run.sh.
#include <string>

namespace workstation {

class CProgramPath {
public:
    // Puts folder first on PATH (once: a folder already first stays alone).
    static void PutFirst(const std::string& folder);
};

} // namespace workstation

#pragma once
// Keeps the per-user profile in a file of the test's own for the lifetime of
// the object, so no test reads or writes the user's real profile.
#include <string>

namespace twtest {

class ScopedProfile {
public:
    // iniPath: e.g. tempDir / "profile.ini".
    explicit ScopedProfile(const std::string& iniPath);
    ~ScopedProfile();
    ScopedProfile(const ScopedProfile&) = delete;
    ScopedProfile& operator=(const ScopedProfile&) = delete;
};

} // namespace twtest

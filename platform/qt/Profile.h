#pragma once
// The per-user profile (the Windows host's registry profile): sections of
// keys kept in QSettings under organisation "Tarnwick", application "Workstation".
#include <string>

namespace platform {

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue = {});
bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value);

// A stored value that is not a whole number reads as defaultValue.
int GetProfileInt(const std::string& section, const std::string& key, int defaultValue = 0);
bool WriteProfileInt(const std::string& section, const std::string& key, int value);

// Keeps the profile in the given INI file instead of the user's own (tests,
// portable set-ups); an empty path returns to the user's profile.
void SetProfileFile(const std::string& iniPath);

} // namespace platform

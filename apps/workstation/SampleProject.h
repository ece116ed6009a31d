#pragma once
#include <string>

namespace workstation {

// The bundled sample project is never written to: the first run copies it to
// the user's data folder and the workstation opens the copy.
class SampleProject {
public:
    // bundledFolder: the sample in the source or installed tree;
    // userDataFolder: the per-user data folder (XDG data home based).
    SampleProject(std::string bundledFolder, std::string userDataFolder);

    // The user's copy, made when missing. Empty, with error set, on failure.
    std::string EnsureUserCopy(std::string& error) const;

    // Where the bundled sample lies: next to the executable when installed,
    // else in the source tree the workstation was built from.
    static std::string LocateBundled(const std::string& executableFolder);
    // <XDG data home>/tarnwick/Sample Project/
    static std::string DefaultUserCopyFolder();

private:
    std::string m_bundledFolder;
    std::string m_userCopyFolder;
};

} // namespace workstation

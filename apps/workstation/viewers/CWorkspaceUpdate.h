#pragma once
// "Update to workspace": a DataFolder's configuration becomes the project's
// configuration of its device (Config/<device>.config), replaced through a
// temporary file so a failed copy leaves the old one whole. Only devices the
// project's network model knows are updated, and the model is not changed.
#include <string>
#include <vector>

class GlobalNetworkInfo;
class TWFileSystem;

namespace workstation {

class CWorkspaceUpdate {
public:
    CWorkspaceUpdate(const TWFileSystem& fileSystem, const GlobalNetworkInfo& model);

    // The device's configuration from one file.
    void FromFile(const std::string& device, const std::string& sourcePath);
    // Each device's configuration from its file in folder: the file named
    // after the device, else the configuration that names itself so.
    void FromFolder(const std::vector<std::string>& devices, const std::string& folder);

    // Devices whose configuration is now the project's, in the model's spelling.
    const std::vector<std::string>& Updated() const { return m_updated; }
    // One line per device that was not updated: what and why.
    const std::vector<std::string>& Problems() const { return m_problems; }

    // The status-bar line for the updated devices; empty when none.
    std::string Confirmation() const;
    // The message for the problems; empty when none.
    std::string ProblemReport() const;

private:
    std::string FileInFolder(const std::string& device, const std::string& folder) const;
    std::string Relative(const std::string& path) const;

    const TWFileSystem& m_fileSystem;
    const GlobalNetworkInfo& m_model;
    std::vector<std::string> m_updated;
    std::vector<std::string> m_problems;
};

} // namespace workstation

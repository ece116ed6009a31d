#include "apps/workstation/viewers/CWorkspaceUpdate.h"

#include "apps/workstation/viewers/CCompanionFiles.h"
#include "apps/workstation/viewers/CMappedTextFile.h"

#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"
#include "host/util/TextFile.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <filesystem>
#include <strings.h>

namespace workstation {

namespace {

// The confirmation names the devices up to this many, then counts them.
constexpr std::size_t kNamedInConfirmation = 4;

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

} // namespace

CWorkspaceUpdate::CWorkspaceUpdate(const TWFileSystem& fileSystem, const GlobalNetworkInfo& model)
    : m_fileSystem(fileSystem), m_model(model)
{
}

std::string CWorkspaceUpdate::Relative(const std::string& path) const
{
    const std::string& project = m_fileSystem.GetProjectFolder();
    return path.compare(0, project.size(), project) == 0 ? path.substr(project.size()) : path;
}

void CWorkspaceUpdate::FromFile(const std::string& device, const std::string& sourcePath)
{
    const TWDevice* known = device.empty() ? nullptr : m_model.GetDevice(device, true);
    if (!known) {
        m_problems.push_back((device.empty() ? std::string("(no device name)") : device) +
                             ": the project has no such device, so it takes no configuration.");
        return;
    }
    const std::string& name = known->GetName();
    std::string bytes;
    if (!TextFile::Read(sourcePath, bytes)) {
        m_problems.push_back(name + ": '" + Relative(sourcePath) + "' cannot be read.");
        return;
    }
    if (CMappedTextFile::LooksBinary(std::string_view(bytes).substr(0, 64 * 1024))) {
        m_problems.push_back(name + ": '" + Relative(sourcePath) + "' is a binary file, not a configuration.");
        return;
    }
    const std::string folder = m_fileSystem.GetConfigRootFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // An existing file of the device keeps its spelling: one file per device.
    std::string target = CCompanionFiles::ProjectConfig(m_fileSystem, name);
    if (target.empty())
        target = folder + CCompanionFiles::ConfigFileName(name);
    if (CCompanionFiles::SameFile(sourcePath, target)) {
        m_updated.push_back(name);   // already the project's own file
        return;
    }
    if (!platform::AtomicWriteFile(target, bytes)) {
        m_problems.push_back(name + ": '" + Relative(target) +
                             "' cannot be written (is the folder read-only or the disk full?); "
                             "the project's configuration is unchanged.");
        return;
    }
    m_updated.push_back(name);
}

std::string CWorkspaceUpdate::FileInFolder(const std::string& device, const std::string& folder) const
{
    std::string path = CCompanionFiles::FindInFolder(folder, CCompanionFiles::ConfigFileName(device));
    if (!path.empty())
        return path;
    platform::FindFiles(platform::EnsureTrailingSlash(folder) + "*.config", [&](const platform::DirEntry& entry) {
        if (entry.IsDirectory())
            return true;
        const std::string candidate = platform::EnsureTrailingSlash(folder) + entry.name;
        const std::string host = CCompanionFiles::ConfigHostName(candidate);
        if (!host.empty() && host.size() == device.size() &&
            ::strncasecmp(host.c_str(), device.c_str(), host.size()) == 0) {
            path = candidate;
            return false;
        }
        return true;
    });
    return path;
}

void CWorkspaceUpdate::FromFolder(const std::vector<std::string>& devices, const std::string& folder)
{
    for (const std::string& device : devices) {
        const std::string path = FileInFolder(device, folder);
        if (path.empty())
            m_problems.push_back(device + ": '" + Relative(folder) + "' holds no configuration of it.");
        else
            FromFile(device, path);
    }
}

std::string CWorkspaceUpdate::Confirmation() const
{
    if (m_updated.empty())
        return {};
    const std::string devices = m_updated.size() <= kNamedInConfirmation
                                    ? JoinNames(m_updated)
                                    : std::to_string(m_updated.size()) + " devices";
    return "Workspace updated: the configuration" + std::string(m_updated.size() == 1 ? " of " : "s of ") +
           devices + (m_updated.size() == 1 ? " is" : " are") + " now the project's (Config/).";
}

std::string CWorkspaceUpdate::ProblemReport() const
{
    if (m_problems.empty())
        return {};
    std::string text = m_problems.size() == 1 ? "This configuration was not copied into the project:\n"
                                              : "These configurations were not copied into the project:\n";
    for (const std::string& problem : m_problems)
        text += "\n" + problem;
    return text;
}

} // namespace workstation

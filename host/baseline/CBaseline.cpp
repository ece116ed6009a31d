#include "host/baseline/CBaseline.h"

#include "host/util/EventDispatcher.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FindFiles.h"

#include <filesystem>
#include <memory>

namespace {

std::unique_ptr<CBaseline> g_baseline;
// Subscribers told of 266/163 may call Close() again; the project closes once.
bool g_closing = false;

std::string FolderName(std::string folder)
{
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    return std::filesystem::path(folder).filename().string();
}

} // namespace

CBaseline::CBaseline(const std::string& projectFolder) : CNetworkBase(projectFolder) {}

CBaseline* CBaseline::Instance() { return g_baseline.get(); }

bool CBaseline::Open(const std::string& projectFolder, bool createWhenMissing)
{
    Close();
    if (projectFolder.empty())
        return false;
    if (!TWFileSystem::IsProjectFolder(projectFolder)) {
        if (!createWhenMissing || !TWFileSystem::CreateProject(projectFolder, FolderName(projectFolder)))
            return false;
    }
    g_baseline.reset(new CBaseline(projectFolder));
    SetCurrBaselineFileSystem(g_baseline->GetFileSystem());
    CNetworkBase* network = g_baseline.get();
    EventDispatcher::Instance().DoAfter(kEventProject, kActionProjectOpened, network, nullptr);
    return true;
}

void CBaseline::Close()
{
    if (!g_baseline || g_closing)
        return;
    g_closing = true;
    EventDispatcher::Instance().DoAfter(kEventProject, kActionProjectClosing, nullptr, nullptr);
    SetCurrBaselineFileSystem(nullptr);
    std::unique_ptr<CBaseline> closed = std::move(g_baseline);
    closed.reset();
    g_closing = false;
}

bool CBaseline::CanCreateDataSet() const { return g_baseline.get() == this && m_fileSystem != nullptr; }

bool CBaseline::IsCompareReady() const
{
    if (!m_fileSystem)
        return false;
    bool found = false;
    platform::FindFiles(m_fileSystem->GetConfigRootFolder() + "*.config", [&](const platform::DirEntry& entry) {
        found = !entry.IsDirectory();
        return !found;
    });
    return found;
}

CNetworkBase* GetCurrentBaseline() { return CBaseline::Instance(); }

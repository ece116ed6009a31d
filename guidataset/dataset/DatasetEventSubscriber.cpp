#include "guidataset/dataset/DatasetEventSubscriber.h"

#include "host/adaptor/GuiMapCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/util/EventDispatcher.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"

#include <memory>
#include <vector>

namespace {

// The registry that names the DataFolder of an event: the event's project,
// else the open one's; null when neither exists.
TWFileSystem* EventFileSystem(TWFileSystem* given)
{
    if (given)
        return given;
    CNetworkBase* baseline = GetCurrentBaseline();
    return baseline ? baseline->GetFileSystem() : nullptr;
}

std::string NameOfPath(TWFileSystem* fileSystem, const std::string& path)
{
    if (fileSystem) {
        if (TWDataSet* dataSet = fileSystem->GetDataSet())
            return dataSet->GetDatasetName(path);
    }
    return path;
}

} // namespace

GuiDatasetCenterImpl::CDatasetEventSubscriber::CDatasetEventSubscriber(
    GuiDatasetCenterImpl& service)
    : m_service(service)
{
}

GuiDatasetCenterImpl::CDatasetEventSubscriber::~CDatasetEventSubscriber() = default;

int GuiDatasetCenterImpl::CDatasetEventSubscriber::IsDoable(int, int, void*, void*)
{
    return 1;
}

void GuiDatasetCenterImpl::CDatasetEventSubscriber::DoBefore(int, int, void*, void*) {}

void GuiDatasetCenterImpl::CDatasetEventSubscriber::DoAfter(int category, int action,
                                                            void* first, void* second)
{
    if (category == kEventDataFolder) {
        if (action == kActionDataFolderAdded)
            OnDataSetAdded(static_cast<TWFileSystem*>(first), static_cast<const char*>(second));
        else if (action == kActionDataFolderDeleted)
            OnDataSetDeleted(static_cast<TWFileSystem*>(first), static_cast<const char*>(second));
    } else if (category == kEventProject) {
        if (action == kActionProjectOpened)
            OnProjectOpened(static_cast<CNetworkBase*>(first));
        else if (action == kActionProjectClosing)
            OnProjectClosing();
    }
}

void GuiDatasetCenterImpl::CDatasetEventSubscriber::OnDataSetAdded(TWFileSystem* fileSystem,
                                                                   const char* path)
{
    if (!path)
        return;
    TWFileSystem* registry = EventFileSystem(fileSystem);
    if (!registry)
        return;
    m_service.AfterAddDataSet(NameOfPath(registry, path), registry);
}

void GuiDatasetCenterImpl::CDatasetEventSubscriber::OnDataSetDeleted(TWFileSystem* fileSystem,
                                                                     const char* path)
{
    if (!path)
        return;
    TWFileSystem* registry = EventFileSystem(fileSystem);
    m_service.AfterDeleteDataSet(NameOfPath(registry, path), registry, true);
}

void GuiDatasetCenterImpl::CDatasetEventSubscriber::OnProjectOpened(CNetworkBase* project)
{
    if (project) {
        // Links whose folders vanished while the project was closed are dropped
        // before the pickers list them.
        TWDataSet cleaner(project->GetFileSystem());
        cleaner.CleanMapDataFolder(project->GetFileSystem());
    }
    m_service.CloseManageDataset();
    m_service.ShowDataSets(project);
    m_service.PanelRefill(project);

    std::vector<tagDataSetInfo*> linked;
    GuiMapCenter::Instance().GetLinkedDataSets(linked);
    for (tagDataSetInfo* record : linked) {
        std::unique_ptr<tagDataSetInfo> owned(record);
        if (!owned)
            continue;
        m_service.AddExternDataset(GetCurrentBaseline(), nullptr, owned->fullName.c_str(),
                                   owned->briefName.c_str(), owned->itemType);
    }
}

void GuiDatasetCenterImpl::CDatasetEventSubscriber::OnProjectClosing()
{
    m_service.ClearDataSets();
    m_service.CloseManageDataset();
    m_service.CloseShowCommandResult();
}

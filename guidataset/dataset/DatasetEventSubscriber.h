#pragma once
// The service's ear on the host's event dispatcher: DataFolder changes (3586)
// and project opening and closing (266) keep the toolbar picker and the panel
// in step, wherever the change was made.
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "host/util/EventSubscriber.h"

class GuiDatasetCenterImpl::CDatasetEventSubscriber : public EventSubscriber {
public:
    explicit CDatasetEventSubscriber(GuiDatasetCenterImpl& service);
    ~CDatasetEventSubscriber() override;

    // The service never vetoes a change.
    int IsDoable(int category, int action, void* first, void* second) override;
    void DoBefore(int category, int action, void* first, void* second) override;
    void DoAfter(int category, int action, void* first, void* second) override;

private:
    void OnDataSetAdded(TWFileSystem* fileSystem, const char* path);
    void OnDataSetDeleted(TWFileSystem* fileSystem, const char* path);
    void OnProjectOpened(CNetworkBase* project);
    void OnProjectClosing();

    GuiDatasetCenterImpl& m_service;
};

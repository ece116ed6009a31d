#include "guidataset/dataset/ModuleEntry.h"

#include "guidataset/dataset/GuiDatasetCenterImpl.h"

namespace {

// The adaptor's holder asks on every call, so the service is made on first use.
GuiDatasetCenter* ServiceFactory()
{
    return GuiDatasetCenterImpl::Instance();
}

} // namespace

extern "C" void TwGuidatasetAttach()
{
    GuiDatasetCenter::SetFactory(&ServiceFactory);
    GuiDatasetCenterImpl::Instance()->SubscribeToEvents();
}

extern "C" void TwGuidatasetDetach()
{
    GuiDatasetCenterImpl::Instance()->Cleanup();
    GuiDatasetCenter::ResetFactory();
}

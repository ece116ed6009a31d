#include "guidataset/browser/CSubDatasetRtSummary.h"

#include "guidataset/browser/core/DatafolderSelection.h"
#include "host/adaptor/HostMessages.h"
#include "host/util/MessageDispatcher.h"

#include <cstdint>

void CSubDatasetRtSummary::ViewFile(const std::string& path, int)
{
    DatafolderSelection* selection = GetSelection();
    MessageDispatcher::Instance().DispatchMessage(hostmsg::kViewRouteSummary,
                                                  reinterpret_cast<std::uintptr_t>(path.c_str()),
                                                  reinterpret_cast<std::intptr_t>(selection ? selection->network
                                                                                            : nullptr),
                                                  nullptr);
}

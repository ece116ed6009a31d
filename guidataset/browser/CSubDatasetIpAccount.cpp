#include "guidataset/browser/CSubDatasetIpAccount.h"

#include "host/adaptor/GuiLiveAccessCenter.h"

void CSubDatasetIpAccount::ViewFile(const std::string& path, int)
{
    GuiLiveAccessCenter::Instance().ViewIpAccounting(path);
}

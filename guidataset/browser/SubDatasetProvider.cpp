#include "guidataset/browser/SubDatasetProvider.h"

#include "guidataset/browser/CSubDatasetConfigFile.h"
#include "guidataset/browser/CSubDatasetIpAccount.h"
#include "guidataset/browser/CSubDatasetLiveCommand.h"
#include "guidataset/browser/CSubDatasetLiveCommandDevice.h"
#include "guidataset/browser/CSubDatasetMonitor.h"
#include "guidataset/browser/CSubDatasetNormal.h"
#include "guidataset/browser/CSubDatasetRtSummary.h"
#include "guidataset/browser/CSubDatasetShowCommands.h"
#include "guidataset/browser/CSubDatasetXTable.h"
#include "guidataset/browser/core/PageTable.h"

namespace {

std::unique_ptr<CSubDatasetBase> MakePage(PageClass pageClass)
{
    switch (pageClass) {
    case PageClass::Normal: return std::make_unique<CSubDatasetNormal>();
    case PageClass::ConfigFile: return std::make_unique<CSubDatasetConfigFile>();
    case PageClass::XTable: return std::make_unique<CSubDatasetXTable>();
    case PageClass::RtSummary: return std::make_unique<CSubDatasetRtSummary>();
    case PageClass::Monitor: return std::make_unique<CSubDatasetMonitor>();
    case PageClass::IpAccount: return std::make_unique<CSubDatasetIpAccount>();
    case PageClass::ShowCommands: return std::make_unique<CSubDatasetShowCommands>();
    case PageClass::LiveCommand: return std::make_unique<CSubDatasetLiveCommand>();
    case PageClass::LiveCommandDevice: return std::make_unique<CSubDatasetLiveCommandDevice>();
    case PageClass::None: return nullptr;
    }
    return nullptr;
}

} // namespace

SubDatasetProvider::SubDatasetProvider(IDatafolderTree* tree, DatafolderSelection* selection)
    : m_tree(tree), m_selection(selection)
{
    (void)m_reserved;
}

SubDatasetProvider::~SubDatasetProvider() = default;

CSubDatasetBase* SubDatasetProvider::GetPage(int pageId)
{
    pageId = ServedPageId(pageId);
    if (auto it = m_pages.find(pageId); it != m_pages.end())
        return it->second.get();
    std::unique_ptr<CSubDatasetBase> page = MakePage(PageClassOf(pageId));
    if (!page)
        return nullptr;
    page->SetTreeCtrl(m_tree);
    page->SetSelection(m_selection);
    return m_pages.emplace(pageId, std::move(page)).first->second.get();
}

#pragma once
// Creates and keeps one page per page id. Built by whoever opens the browser
// (the DataFolder panel; for now the service, GuiDatasetCenterImpl) with its
// tree and its selection, and handed to the browser in the display content.
#include "guidataset/browser/core/IDatafolderTree.h"

#include <cstdint>
#include <map>
#include <memory>

class CSubDatasetBase;
struct DatafolderSelection;

class SubDatasetProvider {
public:
    SubDatasetProvider(IDatafolderTree* tree, DatafolderSelection* selection);
    ~SubDatasetProvider();
    SubDatasetProvider(const SubDatasetProvider&) = delete;
    SubDatasetProvider& operator=(const SubDatasetProvider&) = delete;

    // The page of the id (20 is served by 26's), made on the first request with
    // the provider's tree and selection and kept as long as the provider. Null
    // for ids without a page: 19, 32 and ids outside 16..36.
    CSubDatasetBase* GetPage(int pageId);

    IDatafolderTree* GetTree() const { return m_tree; }
    DatafolderSelection* GetSelection() const { return m_selection; }

private:
    std::int32_t m_reserved = 0;
    IDatafolderTree* m_tree;
    std::map<int, std::unique_ptr<CSubDatasetBase>> m_pages;
    DatafolderSelection* m_selection;
};

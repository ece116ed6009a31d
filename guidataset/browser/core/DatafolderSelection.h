#pragma once
// The DataFolder the browser shows, shared by the page provider, every page
// and the browser. Built by whoever opens the browser (the DataFolder panel;
// for now the service's own, GuiDatasetCenterImpl::PrepareBrowserContent);
// pages only read it, except the display name and page id that every fill sets.
#include <cstdint>
#include <string>

class CNetworkBase;

struct DatafolderSelection {
    using NotifyCallback = void (*)(void* argument, int code);

    std::string displayName;      // the DataFolder as shown to the user
    std::string dataFolderPath;   // its folder; kind folders are built from it
    int pageId = 0;               // the page whose rows the list shows
    int workspaceFlag = 0;        // non-zero: the DataFolder belongs to the open project
    CNetworkBase* network = nullptr;
    // Image table of the opener; its third entry is the image of every listed row.
    const std::int32_t* rowImageHolder = nullptr;
    void* callbackArgument = nullptr;
    NotifyCallback notify = nullptr;   // told 0 before a multiple workspace update

    // The image index of every listed row (0 without an image table).
    int RowImage() const { return rowImageHolder ? rowImageHolder[2] : 0; }

    // The folder of the current page id's files for the DataFolder at
    // basePath (or, with a project open and basePath empty, the DataFolder of
    // the display name). Ends in '/'; empty when there is no such folder.
    // Without a project: basePath and the kind folder name. With one: the
    // registry's path of the DataFolder and the project's kind folder, or
    // basePath unchanged for a DataFolder outside the workspace.
    std::string GetKindFolder(const std::string& basePath) const;
};

#pragma once
// The common page: listing a kind's files with the host-name filter, the
// context menu, and the View, Compare, Save as, Delete and Refresh commands.
// A page is unusable until the provider has given it the tree and the
// selection and the browser the list; until then every operation that needs
// them does nothing.
#include "guidataset/browser/ISubDataset.h"

#include <string>
#include <vector>

class CPopupMenu;

namespace platform {
struct DirEntry;
}

class CSubDatasetBase : public ISubDataset {
public:
    // What the last fill could not show as it should, for the status line.
    struct FillNotes {
        std::string folderProblem;   // the kind folder is there but cannot be read
        int unnamedFiles = 0;        // files whose names are no names of the kind
    };

    CSubDatasetBase();
    ~CSubDatasetBase() override;
    CSubDatasetBase(const CSubDatasetBase&) = delete;
    CSubDatasetBase& operator=(const CSubDatasetBase&) = delete;

    void SetTreeCtrl(IDatafolderTree* tree) override;
    void SetListCtrl(IDatafolderList* list, bool flag) override;
    void SetSelection(DatafolderSelection* selection) override;
    void ExpandTreeItem(TreeItem item) override;
    void FillFromTreeItem(TreeItem item, const std::string& folder, int image) override;
    void GetFilePath(std::string& path, int row, bool detail) override;
    void PrepareColumns(int& layoutId, bool& flag) override;
    void OnDoubleClick() override;
    void Fill(int pageId, const DatafolderDataDisplayContent& content, const std::string& filter) override;
    void Refresh(int pageId, int rowImage, const std::string& filter) override;
    void ShowContextMenu(ScreenPoint point, int pageId, bool locked) override;

    // True when the command was handled. The selection's page id is used,
    // not the one given.
    virtual bool OnCommand(int commandId, int pageId);
    virtual TreeItem GetOwnerTreeItem(TreeItem item);
    virtual void OnTreeItemSelected(TreeItem item, const std::string& baseFolder, std::string& path);
    virtual void Populate(const std::string& kindFolder, int pageId, int rowImage, const std::string& filter);
    // False: the page has no menu.
    virtual bool BuildMenu(CPopupMenu& menu, CPopupMenu& subMenu, bool locked, int pageId);
    virtual void ViewFile(const std::string& path, int pageId);
    virtual void CompareFile(const std::string& path, int pageId);
    virtual void SaveFileAs(const std::string& path, int pageId);
    // create: 0 "Add to ...", 1 "Create ...".
    virtual void OnDeviceGroup(int create);
    virtual void DeleteSelected();
    virtual void GetRowFileName(std::string& name, int row, bool detail);

    IDatafolderTree* GetTree() const { return m_tree; }
    IDatafolderList* GetList() const { return m_list; }
    DatafolderSelection* GetSelection() const { return m_selection; }
    // The file of the first selected row; empty when none is selected.
    std::string GetSelectedFilePath();
    const FillNotes& GetFillNotes() const { return m_notes; }

    // "TextFilter" of the per-user section "DatafolderView": the one host-name
    // filter of every tab and DataFolder.
    static std::string SavedFilter();

protected:
    bool IsReady() const { return m_list && m_tree && m_selection; }
    bool ListFlag() const { return m_listFlag; }
    // The kind's files in folder with the filter, in the directory search's
    // order; notes a folder that cannot be read.
    std::vector<platform::DirEntry> ListKindFiles(const std::string& kindFolder, int listedKind,
                                                  const std::string& filter);
    // Empties the list and, unless it already has layoutId, gives it the
    // columns (heading, width), left-aligned.
    bool ReplaceColumns(int& layoutId, int ownLayout,
                        const std::vector<std::pair<const char*, int>>& columns);
    // "View", ["Compare"], the "Device Group" sub-menu with a project open,
    // "Refresh", each followed by a separator as the menus show them.
    void AppendMenuHead(CPopupMenu& menu, CPopupMenu& subMenu, bool withCompare) const;
    // "Delete": at least one row selected and the DataFolder not locked.
    void AppendMenuTail(CPopupMenu& menu, bool locked) const;
    int SelectedCount() const;
    // The kind folder of the selection's DataFolder for its page id.
    std::string KindFolder() const;

    FillNotes m_notes;

private:
    // A file listed earlier may be gone by the time a command reaches it.
    bool StillThere(const std::string& path);

    bool m_listFlag = false;
    IDatafolderTree* m_tree = nullptr;
    IDatafolderList* m_list = nullptr;
    DatafolderSelection* m_selection = nullptr;
};

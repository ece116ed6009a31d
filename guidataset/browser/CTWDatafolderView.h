#pragma once
// The form of one browser tab: the list of the kind's files, the Compare and
// Delete buttons, the host-name filter and the status line. What the list
// holds and what its commands do is the page's; the form passes the user's
// actions on.
#include <QWidget>

#include <memory>
#include <string>

class CDataFolderDropTarget;
class CDatafolderFileList;
class CDatafolderListModel;
class CSubDatasetBase;
class QLabel;
class QLineEdit;
class QPushButton;
class SubDatasetProvider;
struct DatafolderDataDisplayContent;
struct DatafolderSelection;

class CTWDatafolderView : public QWidget {
public:
    explicit CTWDatafolderView(QWidget* parent = nullptr);
    ~CTWDatafolderView() override;

    // Shows the content's tab: takes its provider, menu flag and selection,
    // and fills the list with the page of the caption with the saved filter.
    void ShowContent(const DatafolderDataDisplayContent& content);
    // The user brought this tab to the front: a fresh fill, and the tab's
    // index (tabIndex) remembered as "LastIndex".
    void ActivateTab(int tabIndex);

    // The content shown; null until the first ShowContent.
    const DatafolderDataDisplayContent* Content() const { return m_content.get(); }
    int PageId() const { return m_pageId; }
    CDatafolderListModel* Model() const { return m_model; }
    CDatafolderFileList* List() const { return m_list; }
    // The page of this tab; null without a provider or page.
    CSubDatasetBase* Page() const;

    // The user's actions, as the buttons, the list and its menu run them.
    void OnCompare();
    void OnDelete();
    void OnListContextMenu(const QPoint& globalPoint);
    void OnFilterCommitted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The selection names this tab's DataFolder and page while the user acts
    // here, whichever tab was filled last.
    void ClaimSelection();
    bool IsLocked() const;
    void UpdateStatus();
    void UpdateButtons(bool fromClick);
    void ApplyColumnWidths();
    void RecolourFilter();
    void SelectFirstRow();

    QPushButton* m_compare = nullptr;
    QPushButton* m_delete = nullptr;
    QLabel* m_filterLabel = nullptr;
    QLabel* m_status = nullptr;
    QLineEdit* m_filter = nullptr;
    CDatafolderFileList* m_list = nullptr;
    CDatafolderListModel* m_model = nullptr;
    CDataFolderDropTarget* m_dropTarget = nullptr;

    SubDatasetProvider* m_provider = nullptr;
    int m_menuFlag = 0;
    DatafolderSelection* m_selection = nullptr;
    std::unique_ptr<DatafolderDataDisplayContent> m_content;
    int m_pageId = 0;
};

#pragma once
// The browser's view: one tab per kind of data, each holding a form. Showing
// a content adds its caption's tab (replacing a tab of the same caption);
// the tab menu closes one tab or the whole window.
#include <QWidget>

class CTWDatafolderTabControl;
class CTWDatafolderView;
struct DatafolderDataDisplayContent;

class CDatafolderTabView : public QWidget {
public:
    explicit CDatafolderTabView(QWidget* parent = nullptr);
    ~CDatafolderTabView() override;

    // 1 when a tab was made for the content, 0 otherwise.
    int ShowContent(const DatafolderDataDisplayContent& content);

    CTWDatafolderTabControl* TabControl() const { return m_tabs; }
    // The form of a tab; null for an index without one.
    CTWDatafolderView* Form(int tab) const;

    // The tab menu: "Close" (102) the tab under the pointer, "Close All" (103).
    void OnTabMenu(int tab, const QPoint& globalPoint);
    void CloseTab(int tab);
    void CloseAll();

private:
    CTWDatafolderTabControl* m_tabs = nullptr;
};

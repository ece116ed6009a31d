#pragma once
// The browser's MDI child window: titled with the DataFolder it shows,
// holding the tab view.
#include <QMdiSubWindow>

#include <string>

class CDatafolderTabView;
struct DatafolderDataDisplayContent;

class CDatafolderChildFrame : public QMdiSubWindow {
public:
    explicit CDatafolderChildFrame(QWidget* parent = nullptr);
    ~CDatafolderChildFrame() override;

    // Shows the content's tab; the tab view's answer (1 when a tab was made).
    int ShowContent(const DatafolderDataDisplayContent& content);

    const std::string& DataFolderPath() const { return m_dataFolderPath; }
    // The tab view, null before one was set.
    CDatafolderTabView* TabView() const;

private:
    std::string m_dataFolderPath;
};

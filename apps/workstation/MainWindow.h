#pragma once
#include <QMainWindow>

#include <string>

class QAction;
class QLabel;
class QMdiArea;

namespace workstation {

// The workstation's main window: the open project, its menus and the MDI area
// where DataFolder browsers and viewers open.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a project folder; reports a folder that is no project and returns false.
    bool OpenProject(const std::string& folder);
    void CloseProject();

    QMdiArea* MdiArea() const { return m_mdiArea; }

private:
    void BuildMenus();
    void UpdateTitle();
    void OnOpenProject();

    QMdiArea* m_mdiArea = nullptr;
    QLabel* m_projectLabel = nullptr;
    QAction* m_closeProjectAction = nullptr;
};

} // namespace workstation

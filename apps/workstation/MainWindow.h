#pragma once
#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class CMultiDocTemplate;
class GuiDatasetCenter;

namespace workstation {

class CDataFolderDock;
class CHostViewers;
class CLiveAccessMenu;
class ModuleLoader;

// The workstation's main window: the open project, its menus and the MDI area
// where DataFolder browsers and viewers open.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // module: the loaded DataFolder module, or null when it could not be loaded
    // (the window then offers no DataFolder commands).
    explicit MainWindow(ModuleLoader* module = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a project folder; reports a folder that is no project and returns false.
    bool OpenProject(const std::string& folder);
    void CloseProject();

    // Opens the current DataFolder in the module's browser, in the MDI area;
    // false when there is no module, project or browser.
    bool OpenBrowser();
    // The same for the DataFolder of the given name.
    bool OpenBrowserOn(const std::string& dataFolderName);

    // The layout the user left at the last close: RestoreLayout before the
    // window shows, ReopenBrowsers once the project is open.
    void RestoreLayout();
    void ReopenBrowsers();
    // Opens one of the module's compare dialogs as its menu entry does:
    // "compare-tables", "compare-config-route", "compare-datafolders"; or as
    // other modules open them: "select-show-commands" (current DataFolder),
    // "compare-device-configs" (the project's first device). False for
    // another name or when there is no module or project.
    bool OpenCompareDialog(const std::string& name);
    // Opens the show-command results browser on the current DataFolder; false
    // when there is no module or project.
    bool OpenShowCommandResults();

    QMdiArea* MdiArea() const { return m_mdiArea; }
    QWidget* ToolbarPicker() const { return m_toolbarPicker; }
    // The dock of the DataFolder panel; null without the module.
    CDataFolderDock* DataFolderDock() const { return m_dataFolderDock; }
    // The viewers in the MDI area and the host receivers that open them.
    CHostViewers* Viewers() const { return m_viewers; }
    // The live-access service this window installed, and its menu entry.
    CLiveAccessMenu* LiveAccess() const { return m_liveAccess; }

protected:
    // Keeps the layout for the next start.
    void closeEvent(QCloseEvent* event) override;
    // Host commands posted by the module (e.g. 33397 after an L2 import).
    void customEvent(QEvent* event) override;

private slots:
    // The user chose a DataFolder in the toolbar picker.
    void OnDataSetChosen(const QString& name);

private:
    void BuildMenus();
    void UpdateTitle();
    void OnOpenProject();
    void BuildDataFolderTools(ModuleLoader& module);
    void UpdateDataFolderMenu();
    void OnNewDataFolder();
    void OnLinkDataFolder();
    void OnToggleLock();
    void OnDeleteDataFolder();
    void OnDescribeDataFolder();
    void OnViewDataFolder();
    void OnExportDataFolder();
    void OnSelectDataFolder();
    void OnImportLogs(bool fromFolder);
    void BuildCompareMenu();
    // kind: the table compare dialog's table kind (route 1, ARP 4, MAC 8, CDP 17).
    void OnCompareTables(int kind);
    void OnCompareConfigRoute();
    void OnCompareDataFolders();
    void OpenSelectShowCommands();
    void OpenCompareDeviceConfigs();
    // What is shown once the user has chosen what to compare.
    void ShowTableComparison(int kind, const std::string& host, const std::string& first,
                             const std::string& second);
    // The service when the module is loaded and a project is open.
    GuiDatasetCenter* Service() const;
    std::string CurrentDataFolderPath() const;
    // A DataFolder other than the current one, to compare with it; empty when there is none.
    std::string OtherDataFolderPath() const;

    QMdiArea* m_mdiArea = nullptr;
    CHostViewers* m_viewers = nullptr;
    CLiveAccessMenu* m_liveAccess = nullptr;
    QLabel* m_projectLabel = nullptr;
    QAction* m_closeProjectAction = nullptr;
    QMenu* m_dataFolderMenu = nullptr;
    QMenu* m_compareMenu = nullptr;
    QAction* m_lockAction = nullptr;
    QWidget* m_toolbarPicker = nullptr;
    CMultiDocTemplate* m_browserTemplate = nullptr;
    ModuleLoader* m_module = nullptr;
    CDataFolderDock* m_dataFolderDock = nullptr;
};

} // namespace workstation

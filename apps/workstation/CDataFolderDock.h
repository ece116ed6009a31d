#pragma once
// The dock that holds the module's DataFolder panel beside the MDI area. It
// shows while a project is open; where the user put it and whether they
// closed it are kept in the per-user profile and restored at the next start.
#include <QDockWidget>

class QMainWindow;

namespace workstation {

class CDataFolderDock : public QDockWidget {
    Q_OBJECT
public:
    // Adds itself to window at the remembered side (left the first time).
    explicit CDataFolderDock(QMainWindow* window);

    // Shows the panel for the open project, or hides while none is open.
    void FollowProject();

    // Profile section and keys of the remembered place.
    static constexpr const char* kSection = "DataFolderPanel";
    static constexpr const char* kVisibleKey = "Visible";
    static constexpr const char* kAreaKey = "Area";
    static constexpr const char* kFloatingKey = "Floating";

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RememberPlace();

    QMainWindow* m_window;
    bool m_following = false;   // shown or hidden by the project, not by the user
};

} // namespace workstation

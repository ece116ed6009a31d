#pragma once
// Live access in the workstation: installs the live-access service for the
// window's lifetime and adds "Device Access..." to its Tools menu.
#include <QObject>

class GuiLiveAccessCenter;
class QMainWindow;

namespace workstation {

class CLiveAccessCenter;

class CLiveAccessMenu : public QObject {
    Q_OBJECT
public:
    explicit CLiveAccessMenu(QMainWindow* window);
    ~CLiveAccessMenu() override;

    CLiveAccessCenter* Center() const { return m_center; }
    // Opens "Device Access" for the open project's devices.
    void OnDeviceAccess();

private:
    QMainWindow* m_window;
    CLiveAccessCenter* m_center;
    GuiLiveAccessCenter* m_previous;
};

} // namespace workstation

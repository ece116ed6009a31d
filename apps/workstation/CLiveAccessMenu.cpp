#include "apps/workstation/CLiveAccessMenu.h"

#include "apps/workstation/CDeviceAccessDlg.h"
#include "apps/workstation/CLiveAccessCenter.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace workstation {

CLiveAccessMenu::CLiveAccessMenu(QMainWindow* window)
    : QObject(window)
    , m_window(window)
    , m_center(new CLiveAccessCenter(this))
    , m_previous(GuiLiveAccessCenter::Install(m_center))
{
    QMenu* tools = window->menuBar()->findChild<QMenu*>("menuTools");
    if (!tools) {
        tools = window->menuBar()->addMenu(tr("&Tools"));
        tools->setObjectName("menuTools");
    }
    QAction* access = tools->addAction(tr("Device Access..."), this, &CLiveAccessMenu::OnDeviceAccess);
    access->setObjectName("actionDeviceAccess");
    access->setStatusTip(tr("How the workstation reaches each device over SSH"));
}

CLiveAccessMenu::~CLiveAccessMenu()
{
    GuiLiveAccessCenter::Install(m_previous);
}

void CLiveAccessMenu::OnDeviceAccess()
{
    GlobalNetworkInfo* inventory = GetCurrentGNI();
    if (!inventory) {
        platform::MessageRequest request;
        request.text = "Open a project first: device access is kept with the project's devices.";
        request.parent = m_window;
        platform::Prompter::Instance().Message(request);
        return;
    }
    CDeviceAccessDlg dialog(*inventory, m_window);
    platform::RunModal(dialog);
}

} // namespace workstation

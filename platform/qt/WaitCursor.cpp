#include "platform/qt/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace platform {

namespace {
bool GuiThread()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}
} // namespace

WaitCursor::WaitCursor()
{
    if (GuiThread()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_active = true;
    }
}

WaitCursor::~WaitCursor()
{
    if (m_active && QCoreApplication::instance())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace platform

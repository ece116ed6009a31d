#include "host/guiutil/HostCommandEvent.h"

#include <QCoreApplication>

HostCommandEvent::HostCommandEvent(int command) : QEvent(kType), m_command(command) {}

HostCommandEvent::~HostCommandEvent() = default;

void HostCommandEvent::Post(QObject* target, int command)
{
    if (target)
        QCoreApplication::postEvent(target, new HostCommandEvent(command));
}

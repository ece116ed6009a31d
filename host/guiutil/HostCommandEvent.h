#pragma once
// A host command (a menu or toolbar command identifier) delivered to a window
// through its event queue, so that the window handles it after the current
// operation has returned.
#include <QEvent>

class HostCommandEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 1);

    explicit HostCommandEvent(int command);
    ~HostCommandEvent() override;

    int Command() const { return m_command; }

    // Queues the command for target (the queue takes ownership of the event).
    static void Post(QObject* target, int command);

private:
    int m_command;
};

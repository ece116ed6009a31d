#include "support/CancelAtStep.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <chrono>
#include <thread>

namespace twtest {

CancelAtStep::CancelAtStep(std::string title, std::size_t step) : m_title(std::move(title)), m_step(step)
{
    m_previous = platform::InstallWorkStepObserver(this);
}

CancelAtStep::~CancelAtStep()
{
    platform::InstallWorkStepObserver(m_previous);
}

void CancelAtStep::OnWorkStep(const std::string& operation, std::size_t done)
{
    if (operation != m_title || done != m_step)
        return;
    const QString title = QString::fromStdString(m_title);
    QMetaObject::invokeMethod(
        qApp,
        [this, title] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->windowTitle() != title)
                    continue;
                for (QPushButton* button : window->findChildren<QPushButton*>())
                    if (button->text() == "Cancel" && button->isEnabled()) {
                        button->click();
                        m_clicked = true;
                    }
            }
            m_handled = true;
        },
        Qt::QueuedConnection);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!m_handled.load() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

} // namespace twtest

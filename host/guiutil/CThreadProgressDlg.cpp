#include "host/guiutil/CThreadProgressDlg.h"

#include "platform/core/WorkSteps.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <thread>

CThreadProgressDlg::CThreadProgressDlg(QWidget* parent, const std::string& title, int steps)
    : QDialog(parent), m_title(title), m_steps(steps < 0 ? 0 : steps)
{
    setWindowTitle(QString::fromStdString(title));
    setModal(true);
    // No close box: the window goes away when the worker is done.
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowContextHelpButtonHint);

    m_stepLabel = new QLabel(this);
    m_bar = new QProgressBar(this);
    // Zero steps: a busy bar rather than one that looks finished from the start.
    m_bar->setRange(0, m_steps);
    m_bar->setValue(0);
    m_cancelButton = new QPushButton("Cancel", this);
    m_cancelButton->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stepLabel);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    setMinimumWidth(340);

    connect(m_cancelButton, &QPushButton::clicked, this, &CThreadProgressDlg::Cancel);
    UpdateText();
}

CThreadProgressDlg::~CThreadProgressDlg() = default;

int CThreadProgressDlg::DoModal(Worker worker)
{
    m_finished = false;
    m_running = true;
    std::thread thread([this, worker = std::move(worker)]() {
        try {
            if (worker)
                worker(*this);
        } catch (const std::exception&) {
            // A failing job ends the window like a finished one; the caller
            // reads what was done from its own objects.
        } catch (...) {
        }
        m_running = false;
        // Queued: the window may not have entered its event loop yet.
        QMetaObject::invokeMethod(this, &CThreadProgressDlg::OnWorkerDone, Qt::QueuedConnection);
    });
    exec();
    // exec() only returns after OnWorkerDone, which runs after the worker
    // returned; joining waits for the thread's last instructions only.
    thread.join();
    return IsCancelled() ? QDialog::Rejected : QDialog::Accepted;
}

void CThreadProgressDlg::Cancel()
{
    if (m_cancelled.exchange(true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            m_cancelButton->setEnabled(false);
            m_stepLabel->setText("Cancelling...");
        },
        Qt::QueuedConnection);
}

void CThreadProgressDlg::StepIt()
{
    QMetaObject::invokeMethod(this, &CThreadProgressDlg::OnStep, Qt::QueuedConnection);
    platform::NotifyWorkStep(m_title, ++m_workerSteps);
}

void CThreadProgressDlg::OnStep()
{
    if (m_pos < m_steps)
        ++m_pos;
    m_bar->setValue(m_pos);
    UpdateText();
}

void CThreadProgressDlg::OnWorkerDone()
{
    m_finished = true;
    // Step events queued before this one have been handled already.
    done(IsCancelled() ? QDialog::Rejected : QDialog::Accepted);
}

void CThreadProgressDlg::SetStepUnit(const std::string& unit)
{
    m_unit = QString::fromStdString(unit);
    UpdateText();
}

void CThreadProgressDlg::UpdateText()
{
    if (IsCancelled())
        return;
    QString text = QString("%1 of %2").arg(m_pos).arg(m_steps);
    if (!m_unit.isEmpty())
        text += ' ' + m_unit;
    m_stepLabel->setText(text);
}

void CThreadProgressDlg::reject()
{
    if (m_finished) {
        QDialog::reject();
        return;
    }
    Cancel();
}

void CThreadProgressDlg::closeEvent(QCloseEvent* event)
{
    if (m_finished) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    Cancel();
}

#pragma once
// The host's progress window for long jobs: a modal window with a title, a
// step count, a progress bar and a Cancel button, shown while a worker runs on
// a thread of its own. The worker polls IsCancelled() between units of work
// and calls StepIt() after each; the window closes itself when the worker
// returns, never before, so whatever the worker uses stays valid until then.
#include <QDialog>
#include <QString>

#include <atomic>
#include <functional>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

class CThreadProgressDlg : public QDialog {
    Q_OBJECT
public:
    using Worker = std::function<void(CThreadProgressDlg&)>;

    CThreadProgressDlg(QWidget* parent, const std::string& title, int steps);
    ~CThreadProgressDlg() override;

    // Shows the window modally while worker runs on its own thread; returns
    // QDialog::Accepted when the worker ended without a cancel request,
    // QDialog::Rejected when the user cancelled.
    int DoModal(Worker worker);

    // Callable from any thread.
    bool IsCancelled() const { return m_cancelled.load(); }
    void Cancel();
    void StepIt();

    // What a step is, shown after the count ("3 of 8 files"); none by default.
    void SetStepUnit(const std::string& unit);

    int GetSteps() const { return m_steps; }
    // Steps shown so far (GUI thread).
    int GetPos() const { return m_pos; }
    // True while DoModal's worker thread has not yet returned.
    bool IsWorkerRunning() const { return m_running.load(); }

    // Escape and the window's close box ask the worker to stop instead of
    // closing under it.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnStep();
    void OnWorkerDone();
    void UpdateText();

    std::string m_title;
    int m_steps = 0;
    int m_pos = 0;
    std::atomic<std::size_t> m_workerSteps{0};   // StepIt calls, counted on the worker
    QString m_unit;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_running{false};
    bool m_finished = false;
    QLabel* m_stepLabel = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

#include "platform/qt/BackgroundWork.h"

#include "platform/core/WorkSteps.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <thread>

namespace platform {

namespace {

// A job shorter than this never shows its window.
constexpr int kShowAfterMs = 400;
constexpr int kRefreshMs = 50;
// The bar's range; job sizes in bytes do not fit an int.
constexpr int kBarSteps = 1000;

bool GuiAvailable()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

} // namespace

// The progress window: what is being done, how far, and Cancel. Escape and
// the close box cancel as well; the window goes when the work is done.
class BackgroundWork::Window final : public QDialog {
public:
    Window(QWidget* parent, const std::string& title, std::function<void()> onCancel)
        : QDialog(parent), m_onCancel(std::move(onCancel))
    {
        setWindowTitle(QString::fromStdString(title));
        setWindowModality(Qt::ApplicationModal);
        setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
        m_label = new QLabel(this);
        m_label->setTextFormat(Qt::PlainText);
        m_label->setMinimumWidth(360);
        m_bar = new QProgressBar(this);
        m_bar->setRange(0, 0);   // busy until the job is sized
        m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
        m_cancel->setAutoDefault(false);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_label);
        layout->addWidget(m_bar);
        layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
        connect(m_cancel, &QPushButton::clicked, this, [this] { Cancel(); });
    }

    void Refresh(const std::string& current, std::uint64_t done, std::uint64_t total)
    {
        if (!m_cancelling)
            m_label->setText(m_label->fontMetrics().elidedText(QString::fromStdString(current), Qt::ElideMiddle,
                                                               std::max(m_label->width(), 360)));
        if (total > 0) {
            m_bar->setRange(0, kBarSteps);
            m_bar->setValue(static_cast<int>(std::min<std::uint64_t>(done, total) * kBarSteps / total));
        }
    }

    void reject() override { Cancel(); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        Cancel();
    }

private:
    void Cancel()
    {
        if (m_cancelling)
            return;
        m_cancelling = true;
        m_cancel->setEnabled(false);
        // Taking back a partial copy can take a moment too.
        m_label->setText(QStringLiteral("Cancelling..."));
        m_onCancel();
    }

    std::function<void()> m_onCancel;
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_cancelling = false;
};

BackgroundWork::BackgroundWork(QWidget* parent, std::string title) : m_parent(parent), m_title(std::move(title)) {}

BackgroundWork::~BackgroundWork() = default;

void BackgroundWork::Run(const Work& work)
{
    if (GuiAvailable() && (m_parent || !m_title.empty()))
        RunWithWindow(work);
    else
        work(*this);
}

void BackgroundWork::RunWithWindow(const Work& work)
{
    Window window(m_parent, m_title, [this] { m_cancelled = true; });
    std::exception_ptr failure;
    m_finished = false;
    std::thread worker([&] {
        try {
            work(*this);
        } catch (...) {
            failure = std::current_exception();
        }
        m_finished = true;
        // Wakes the loop below.
        QMetaObject::invokeMethod(&window, [] {}, Qt::QueuedConnection);
    });

    QElapsedTimer clock;
    clock.start();
    bool arrowCursor = false;
    QTimer refresh;
    refresh.setInterval(kRefreshMs);
    QObject::connect(&refresh, &QTimer::timeout, &window, [&] {
        std::string current;
        {
            std::lock_guard<std::mutex> lock(m_nameMutex);
            current = m_current;
        }
        window.Refresh(current, m_done.load(), m_total.load());
        if (!window.isVisible() && clock.elapsed() >= kShowAfterMs) {
            window.show();
            // The caller's busy cursor would say Cancel cannot be clicked.
            QApplication::setOverrideCursor(Qt::ArrowCursor);
            arrowCursor = true;
        }
    });
    refresh.start();
    while (!m_finished.load()) {
        const auto flags = window.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
        QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
    }
    worker.join();
    refresh.stop();
    if (arrowCursor)
        QApplication::restoreOverrideCursor();
    window.hide();
    if (failure)
        std::rethrow_exception(failure);
}

void BackgroundWork::SetTotal(std::uint64_t units)
{
    m_total = units;
}

void BackgroundWork::Advance(std::uint64_t units)
{
    m_done += units;
}

void BackgroundWork::EntryDone(const std::string& name, std::uint64_t units)
{
    m_done += units;
    {
        std::lock_guard<std::mutex> lock(m_nameMutex);
        m_current = name;
    }
    NotifyWorkStep(m_title, ++m_entries);
}

} // namespace platform

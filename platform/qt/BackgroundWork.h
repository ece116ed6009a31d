#pragma once
// Runs a long file operation on a thread of its own while the GUI thread goes
// on handling events, under a progress window with a Cancel button that
// appears when the work takes longer than a moment. Until it appears, clicks
// and keys wait, so no other command starts in the middle of this one. With
// no GUI (command-line tools, worker threads) the work runs where it is called.
#include "platform/core/WorkControl.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

class QWidget;

namespace platform {

class BackgroundWork final : public IWorkControl {
public:
    using Work = std::function<void(IWorkControl&)>;

    // The window's parent and title; the title also names the operation to
    // the work-step observer.
    BackgroundWork(QWidget* parent, std::string title);
    ~BackgroundWork() override;
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Returns when work has returned.
    void Run(const Work& work);

    bool IsCancelled() const override { return m_cancelled.load(); }
    void SetTotal(std::uint64_t units) override;
    void Advance(std::uint64_t units) override;
    void EntryDone(const std::string& name, std::uint64_t units) override;

private:
    class Window;

    void RunWithWindow(const Work& work);

    QWidget* m_parent;
    std::string m_title;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_finished{false};
    std::atomic<std::uint64_t> m_total{0};
    std::atomic<std::uint64_t> m_done{0};
    std::size_t m_entries = 0;   // worker thread only
    mutable std::mutex m_nameMutex;
    std::string m_current;
};

} // namespace platform

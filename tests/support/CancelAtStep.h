#pragma once
// Presses the Cancel button of a long operation's progress window, as a user
// would, once the operation has finished a given number of entries. The
// worker waits until the click has been handled, so the operation stops at
// exactly that point however fast the machine is.
#include "platform/core/WorkSteps.h"

#include <atomic>
#include <cstddef>
#include <string>

namespace twtest {

class CancelAtStep final : public platform::IWorkStepObserver {
public:
    // title: the progress window's title; step: entries done before the click.
    CancelAtStep(std::string title, std::size_t step);
    ~CancelAtStep() override;
    CancelAtStep(const CancelAtStep&) = delete;
    CancelAtStep& operator=(const CancelAtStep&) = delete;

    void OnWorkStep(const std::string& operation, std::size_t done) override;

    // Whether Cancel was found and clicked.
    bool Clicked() const { return m_clicked.load(); }

private:
    std::string m_title;
    std::size_t m_step;
    std::atomic<bool> m_clicked{false};
    std::atomic<bool> m_handled{false};
    platform::IWorkStepObserver* m_previous = nullptr;
};

} // namespace twtest

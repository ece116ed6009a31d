#include "platform/core/WorkSteps.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<IWorkStepObserver*> g_observer{nullptr};
}

IWorkStepObserver* InstallWorkStepObserver(IWorkStepObserver* observer)
{
    return g_observer.exchange(observer);
}

void NotifyWorkStep(const std::string& operation, std::size_t done)
{
    if (IWorkStepObserver* observer = g_observer.load())
        observer->OnWorkStep(operation, done);
}

} // namespace platform

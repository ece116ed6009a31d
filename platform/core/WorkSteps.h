#pragma once
// Long operations report each finished entry here, on the thread that did
// it. Nothing listens in the program; a test installs an observer to act at a
// chosen point of an operation, such as pressing Cancel after the tenth file.
#include <cstddef>
#include <string>

namespace platform {

class IWorkStepObserver {
public:
    virtual ~IWorkStepObserver() = default;
    // operation: the progress window's title; done: entries finished so far.
    virtual void OnWorkStep(const std::string& operation, std::size_t done) = 0;
};

// Installs observer (not owned; nullptr removes it); returns the previous one.
IWorkStepObserver* InstallWorkStepObserver(IWorkStepObserver* observer);

void NotifyWorkStep(const std::string& operation, std::size_t done);

} // namespace platform

#pragma once
// Every modal dialog of the module runs through here, so that a test can
// drive the dialog instead of a user.
class QDialog;

namespace platform {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Runs the initialised dialog; returns its result code (QDialog::Accepted, ...).
    virtual int Run(QDialog& dialog) = 0;
};

// Runs dialog with the installed runner, or exec() when none is installed.
int RunModal(QDialog& dialog);

// Installs runner (not owned; nullptr restores exec()); returns the previous one.
ModalRunner* InstallModalRunner(ModalRunner* runner);

} // namespace platform

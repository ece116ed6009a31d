#include "platform/qt/RunModal.h"

#include <QDialog>

#include <atomic>

namespace platform {

namespace {
std::atomic<ModalRunner*> g_runner{nullptr};
}

int RunModal(QDialog& dialog)
{
    if (ModalRunner* runner = g_runner.load())
        return runner->Run(dialog);
    return dialog.exec();
}

ModalRunner* InstallModalRunner(ModalRunner* runner)
{
    return g_runner.exchange(runner);
}

} // namespace platform

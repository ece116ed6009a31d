#include "apps/workstation/viewers/CDiffLauncher.h"

#include "platform/core/Prompter.h"
#include "platform/qt/StartProcess.h"

namespace workstation {

namespace {
constexpr const char* kViewer = "TarnwickDiff.exe";
}

std::string CDiffLauncher::CommandLine(const std::string& first, const std::string& second)
{
    return std::string("\"") + kViewer + "\" \"" + first + "\" \"" + second + "\"";
}

bool CDiffLauncher::Start(const std::string& first, const std::string& second, QWidget* parent)
{
    if (platform::StartProcess(CommandLine(first, second)))
        return true;
    platform::MessageBoxTW(std::string("The difference viewer ") + kViewer +
                               " cannot be started: it is neither on PATH nor in the workstation's own folder.",
                           platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, parent);
    return false;
}

} // namespace workstation

// TarnwickDiff.exe: shows two text files side by side. The DataFolder module
// starts it as  "TarnwickDiff.exe" "<first path>" "<second path>".
#include "apps/tarnwickdiff/DiffWindow.h"
#include "apps/tarnwickdiff/core/DiffArguments.h"
#include "apps/tarnwickdiff/core/DiffDocument.h"
#include "apps/workstation/DisplayCheck.h"

#include "platform/core/HeapTuning.h"
#include "platform/core/Prompter.h"
#include "platform/qt/QtPrompter.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>

namespace {

const char* Environment(const char* name) { return std::getenv(name); }

// Once the first screen of the comparison is painted: the PNG of the window
// (when asked for), then the end of the program with its status.
void ExitAfterFirstScreen(tarnwickdiff::CDiffWindow& window, const std::string& screenshot)
{
    QObject::connect(&window, &tarnwickdiff::CDiffWindow::FirstScreenPainted, &window, [&window, screenshot] {
        QTimer::singleShot(0, &window, [&window, screenshot] {
            int status = 0;
            if (!screenshot.empty() && !window.grab().save(QString::fromStdString(screenshot), "PNG")) {
                std::fprintf(stderr, "TarnwickDiff.exe: cannot write the screenshot %s\n", screenshot.c_str());
                status = 1;
            }
            QApplication::exit(status);
        });
    });
}

} // namespace

int main(int argc, char** argv)
{
    // The arguments as given, before Qt looks at them: paths stay byte for byte.
    std::vector<std::string> args(argv + 1, argv + argc);
    tarnwickdiff::DiffArguments arguments;
    std::string error;
    if (!tarnwickdiff::ParseDiffArguments(args, arguments, error)) {
        std::fprintf(stderr, "TarnwickDiff.exe: %s\nTry TarnwickDiff.exe --help.\n", error.c_str());
        return 2;
    }
    if (arguments.help) {
        std::fputs(tarnwickdiff::DiffUsage().c_str(), stdout);
        return 0;
    }
    if (const std::string reason = workstation::MissingDisplayReason(&Environment); !reason.empty()) {
        std::fprintf(stderr, "TarnwickDiff.exe: %s\n", reason.c_str());
        return 1;
    }

    platform::KeepLargeBlocksForReuse();
    // The files are read and compared while Qt starts up: on two cores the
    // first screen then waits for the slower of the two, not for both.
    auto document = std::make_unique<tarnwickdiff::CDiffDocument>();
    std::string failure;
    auto opened = std::async(std::launch::async, [&] {
        return document->Open(arguments.leftPath, arguments.rightPath, arguments.ignoreWhitespace, failure);
    });

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tarnwick");
    QApplication::setApplicationName("TarnwickDiff");
    QApplication::setApplicationDisplayName("TarnwickDiff");
    platform::SetApplicationTitle("TarnwickDiff");
    platform::QtPrompter prompter;
    platform::Prompter::Install(&prompter);

    int result = 1;
    {
        tarnwickdiff::CDiffWindow window;
        if (window.ShowDocument(arguments, std::move(document), opened.get() ? std::string() : failure)) {
            if (!arguments.screenshot.empty() || arguments.firstPaintExit)
                ExitAfterFirstScreen(window, arguments.screenshot);
            window.show();
            result = app.exec();
        }
    }
    platform::Prompter::Install(nullptr);
    return result;
}

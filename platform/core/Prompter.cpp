#include "platform/core/Prompter.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace platform {

namespace {

// Without a display nobody can answer, so every question takes the answer
// that changes nothing: No, Cancel, or no file.
class HeadlessPrompter final : public Prompter {
public:
    BoxAnswer Message(const MessageRequest& request) override
    {
        std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
        switch (request.buttons) {
        case BoxButtons::Ok:
            return BoxAnswer::Ok;
        case BoxButtons::YesNo:
            return BoxAnswer::No;
        case BoxButtons::OkCancel:
        case BoxButtons::YesNoCancel:
            break;
        }
        return BoxAnswer::Cancel;
    }

    std::vector<std::string> ChooseFiles(const FileRequest&) override { return {}; }
    std::string BrowseFolder(const FolderRequest&) override { return {}; }
    bool InputText(const InputRequest&, std::string&) override { return false; }
};

HeadlessPrompter& Headless()
{
    static HeadlessPrompter headless;
    return headless;
}

std::atomic<Prompter*> g_installed{nullptr};

std::mutex& TitleMutex()
{
    static std::mutex m;
    return m;
}

std::string& TitleStorage()
{
    static std::string title = kWorkstationCaption;
    return title;
}

} // namespace

Prompter& Prompter::Instance()
{
    Prompter* p = g_installed.load();
    return p ? *p : static_cast<Prompter&>(Headless());
}

Prompter* Prompter::Install(Prompter* p)
{
    return g_installed.exchange(p);
}

const std::string& ApplicationTitle()
{
    std::lock_guard lock(TitleMutex());
    return TitleStorage();
}

void SetApplicationTitle(const std::string& title)
{
    std::lock_guard lock(TitleMutex());
    TitleStorage() = title.empty() ? std::string(kWorkstationCaption) : title;
}

BoxAnswer MessageBoxTW(const std::string& text, BoxIcon icon, BoxButtons buttons, QWidget* parent)
{
    MessageRequest request;
    request.kind = BoxKind::Captioned;
    request.caption = kWorkstationCaption;
    request.text = text;
    request.icon = icon;
    request.buttons = buttons;
    request.parent = parent;
    return Prompter::Instance().Message(request);
}

BoxAnswer AppMessageBox(const std::string& text, BoxButtons buttons, BoxIcon icon, QWidget* parent)
{
    MessageRequest request;
    request.kind = BoxKind::Application;
    request.caption = ApplicationTitle();
    request.text = text;
    request.icon = icon;
    request.buttons = buttons;
    request.parent = parent;
    return Prompter::Instance().Message(request);
}

} // namespace platform

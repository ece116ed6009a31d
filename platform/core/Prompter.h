#pragma once
// The seam through which every message box, file dialog, folder browser and
// input box is shown. The workstation installs the Qt prompter, twdata a
// terminal one, tests a scripted one; file-level code only sees this interface.
#include <string>
#include <vector>

class QWidget;

namespace platform {

// Captioned boxes carry "Tarnwick Workstation" and an icon; application boxes
// carry the host application's own title.
enum class BoxKind { Captioned, Application };
enum class BoxIcon { None, Information, Question, Exclamation, Error };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    BoxKind kind = BoxKind::Captioned;
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    QWidget* parent = nullptr;
};

struct FileRequest {
    enum class Mode { OpenOne, OpenMany, Save };
    Mode mode = Mode::OpenOne;
    std::string title;
    std::string folder;    // initial folder
    std::string fileName;  // initial file name (Save)
    std::string filter;    // "Text File(*.txt);;All File(*.*)"
    std::string defaultSuffix;   // added to a typed name without extension ("txt")
    QWidget* parent = nullptr;
};

struct FolderRequest {
    std::string title;
    std::string folder;    // initial folder
    QWidget* parent = nullptr;
};

struct InputRequest {
    std::string caption;
    std::string label;
    std::string text;      // initial text
    int maxLength = 0;     // 0: no limit
    bool secret = false;   // a password: what is typed is not shown
    QWidget* parent = nullptr;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual BoxAnswer Message(const MessageRequest& request) = 0;
    // Chosen files; empty when cancelled.
    virtual std::vector<std::string> ChooseFiles(const FileRequest& request) = 0;
    // Chosen folder; empty when cancelled.
    virtual std::string BrowseFolder(const FolderRequest& request) = 0;
    // Entered text; false when cancelled.
    virtual bool InputText(const InputRequest& request, std::string& text) = 0;

    // The installed prompter, or a headless one that writes messages to
    // standard error and answers every question negatively.
    static Prompter& Instance();
    // Installs p (not owned; nullptr restores the headless one); returns the previous.
    static Prompter* Install(Prompter* p);
};

inline constexpr const char* kWorkstationCaption = "Tarnwick Workstation";

// The host application's own title, used by application boxes.
const std::string& ApplicationTitle();
void SetApplicationTitle(const std::string& title);

// A box captioned "Tarnwick Workstation".
BoxAnswer MessageBoxTW(const std::string& text, BoxIcon icon = BoxIcon::Information,
                       BoxButtons buttons = BoxButtons::Ok, QWidget* parent = nullptr);
// A plain application box under the host's title.
BoxAnswer AppMessageBox(const std::string& text, BoxButtons buttons = BoxButtons::Ok,
                        BoxIcon icon = BoxIcon::Exclamation, QWidget* parent = nullptr);

} // namespace platform

#pragma once
// The workstation's prompter: Qt message boxes, file dialogs, folder browser
// and input box, titled as the module expects.
#include "platform/core/Prompter.h"

namespace platform {

class QtPrompter final : public Prompter {
public:
    BoxAnswer Message(const MessageRequest& request) override;
    std::vector<std::string> ChooseFiles(const FileRequest& request) override;
    std::string BrowseFolder(const FolderRequest& request) override;
    bool InputText(const InputRequest& request, std::string& text) override;
};

} // namespace platform

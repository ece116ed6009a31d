#pragma once
// The prompter of the command line. Every message box text goes to standard
// error as it is; a Yes/No question is asked on the terminal when one is
// attached, answered Yes by --yes, and refused otherwise, so a script never
// hangs on a question and never deletes anything it did not confirm.
#include "platform/core/Prompter.h"

#include <cstdio>

namespace twdata {

class TerminalPrompter final : public platform::Prompter {
public:
    // interactive: whether in is a terminal the user can answer on.
    TerminalPrompter(bool assumeYes, std::FILE* in, std::FILE* err, bool interactive);
    // Standard input and error; interactive when standard input is a terminal.
    explicit TerminalPrompter(bool assumeYes);

    platform::BoxAnswer Message(const platform::MessageRequest& request) override;
    std::vector<std::string> ChooseFiles(const platform::FileRequest& request) override;
    std::string BrowseFolder(const platform::FolderRequest& request) override;
    bool InputText(const platform::InputRequest& request, std::string& text) override;

    // Questions answered No because nobody could answer and --yes was not given.
    int RefusedQuestions() const { return m_refusedQuestions; }

private:
    bool Ask(const std::string& text);

    bool m_assumeYes;
    std::FILE* m_in;
    std::FILE* m_err;
    bool m_interactive;
    int m_refusedQuestions = 0;
};

} // namespace twdata

#include "apps/twdata/TerminalPrompter.h"

#include <unistd.h>

namespace twdata {

namespace {

void WriteLine(std::FILE* err, const std::string& text)
{
    std::fputs(text.c_str(), err);
    if (text.empty() || text.back() != '\n')
        std::fputc('\n', err);
    std::fflush(err);
}

bool IsYes(const std::string& answer)
{
    std::size_t i = answer.find_first_not_of(" \t");
    if (i == std::string::npos)
        return false;
    const std::string word = answer.substr(i, answer.find_first_of(" \t\r\n", i) - i);
    return word == "y" || word == "Y" || word == "yes" || word == "Yes" || word == "YES";
}

} // namespace

TerminalPrompter::TerminalPrompter(bool assumeYes, std::FILE* in, std::FILE* err, bool interactive)
    : m_assumeYes(assumeYes), m_in(in), m_err(err), m_interactive(interactive)
{
}

TerminalPrompter::TerminalPrompter(bool assumeYes)
    : TerminalPrompter(assumeYes, stdin, stderr, isatty(fileno(stdin)) != 0)
{
}

bool TerminalPrompter::Ask(const std::string& text)
{
    if (m_assumeYes) {
        // Shown with its answer, so a question already printed in a report
        // does not read as asked twice.
        WriteLine(m_err, text + " [y/N] y (--yes)");
        return true;
    }
    if (!m_interactive) {
        WriteLine(m_err, text);
        WriteLine(m_err, "No answer possible without a terminal: use --yes to answer Yes.");
        ++m_refusedQuestions;
        return false;
    }
    std::fputs(text.c_str(), m_err);
    std::fputs(" [y/N] ", m_err);
    std::fflush(m_err);
    std::string answer;
    for (int c = std::fgetc(m_in); c != EOF && c != '\n'; c = std::fgetc(m_in))
        answer += static_cast<char>(c);
    return IsYes(answer);
}

platform::BoxAnswer TerminalPrompter::Message(const platform::MessageRequest& request)
{
    using platform::BoxAnswer;
    using platform::BoxButtons;
    switch (request.buttons) {
    case BoxButtons::Ok:
        WriteLine(m_err, request.text);
        return BoxAnswer::Ok;
    case BoxButtons::OkCancel:
        return Ask(request.text) ? BoxAnswer::Ok : BoxAnswer::Cancel;
    case BoxButtons::YesNo:
    case BoxButtons::YesNoCancel:
        return Ask(request.text) ? BoxAnswer::Yes : BoxAnswer::No;
    }
    return BoxAnswer::Cancel;
}

std::vector<std::string> TerminalPrompter::ChooseFiles(const platform::FileRequest&) { return {}; }

std::string TerminalPrompter::BrowseFolder(const platform::FolderRequest&) { return {}; }

bool TerminalPrompter::InputText(const platform::InputRequest&, std::string&) { return false; }

} // namespace twdata

#pragma once
// A prompter for tests: answers from a queue of expected prompts, records every
// prompt it saw, and fails the test on an unexpected prompt or on an expected
// one that never came.
#include "platform/core/Prompter.h"

#include <gtest/gtest.h>

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace twtest {

class ScriptedPrompter final : public platform::Prompter {
public:
    enum class PromptType { Message, Files, Folder, Input };

    // One prompt as the user would have seen it.
    struct Prompt {
        PromptType type = PromptType::Message;
        platform::BoxKind kind = platform::BoxKind::Captioned;
        std::string caption;   // box caption, dialog title or input caption
        std::string text;      // message text or input label
        platform::BoxIcon icon = platform::BoxIcon::None;
        platform::BoxButtons buttons = platform::BoxButtons::Ok;
        std::string filter;          // file dialogs: the filter text...
        std::string defaultSuffix;   // ...and the default extension
    };

    // Optional checks on a message besides its text.
    struct MessageCheck {
        std::optional<platform::BoxKind> kind;
        std::optional<std::string> caption;
        std::optional<platform::BoxIcon> icon;
        std::optional<platform::BoxButtons> buttons;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // The next prompt must be a message with exactly this text.
    ScriptedPrompter& ExpectMessage(const std::string& text, platform::BoxAnswer answer,
                                    MessageCheck check = {});
    // The next prompt must be a file dialog; an empty list cancels it.
    ScriptedPrompter& ExpectFiles(std::vector<std::string> files);
    // The next prompt must be a folder browser; empty cancels it.
    ScriptedPrompter& ExpectFolder(std::string folder);
    // The next prompt must be an input box, answered with text...
    ScriptedPrompter& ExpectInput(std::string text);
    // ...or cancelled.
    ScriptedPrompter& ExpectInputCancel();

    std::size_t PendingCount() const;

    // Every prompt seen, in order.
    std::vector<Prompt> log;

    platform::BoxAnswer Message(const platform::MessageRequest& request) override;
    std::vector<std::string> ChooseFiles(const platform::FileRequest& request) override;
    std::string BrowseFolder(const platform::FolderRequest& request) override;
    bool InputText(const platform::InputRequest& request, std::string& text) override;

private:
    struct Expectation {
        PromptType type = PromptType::Message;
        std::string text;
        platform::BoxAnswer answer = platform::BoxAnswer::Ok;
        MessageCheck check;
        std::vector<std::string> files;
        bool cancel = false;
    };
    static Expectation Make(PromptType type, std::string text)
    {
        Expectation e;
        e.type = type;
        e.text = std::move(text);
        return e;
    }

    ScriptedPrompter& Push(Expectation e);
    // Pops the next expectation when it is of the given type; otherwise reports
    // the prompt as unexpected and returns nothing.
    std::optional<Expectation> Next(PromptType type, const std::string& what);

    mutable std::mutex m_mutex;
    std::deque<Expectation> m_expected;
    platform::Prompter* m_previous = nullptr;
};

// The usual boxes: a captioned notice, a captioned Yes/No question, and the
// application's own box with OK.
inline const ScriptedPrompter::MessageCheck kNoticeBox{
    platform::BoxKind::Captioned, platform::kWorkstationCaption, platform::BoxIcon::Information,
    platform::BoxButtons::Ok};
inline const ScriptedPrompter::MessageCheck kQuestionBox{
    platform::BoxKind::Captioned, platform::kWorkstationCaption, platform::BoxIcon::Question,
    platform::BoxButtons::YesNo};
inline const ScriptedPrompter::MessageCheck kAppOkBox{platform::BoxKind::Application, std::nullopt,
                                                      std::nullopt, platform::BoxButtons::Ok};

// Exact comparison of two texts; on a difference, names the first differing
// offset and shows both sides there with control characters made visible
// (CR LF line ends, tabs).
testing::AssertionResult SameText(const std::string& expected, const std::string& actual);

} // namespace twtest

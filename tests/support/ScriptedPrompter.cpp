#include "support/ScriptedPrompter.h"

#include <algorithm>
#include <cstdio>

namespace twtest {

namespace {

const char* TypeName(ScriptedPrompter::PromptType type)
{
    switch (type) {
    case ScriptedPrompter::PromptType::Message: return "message";
    case ScriptedPrompter::PromptType::Files: return "file dialog";
    case ScriptedPrompter::PromptType::Folder: return "folder browser";
    case ScriptedPrompter::PromptType::Input: return "input box";
    }
    return "prompt";
}

platform::BoxAnswer Negative(platform::BoxButtons buttons)
{
    switch (buttons) {
    case platform::BoxButtons::Ok: return platform::BoxAnswer::Ok;
    case platform::BoxButtons::YesNo: return platform::BoxAnswer::No;
    default: return platform::BoxAnswer::Cancel;
    }
}

std::string Visible(const std::string& s)
{
    std::string out;
    for (unsigned char c : s) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c < 0x20 || c == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else out.push_back(static_cast<char>(c));
    }
    return out;
}

} // namespace

ScriptedPrompter::ScriptedPrompter()
{
    m_previous = platform::Prompter::Install(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    platform::Prompter::Install(m_previous);
    for (const Expectation& e : m_expected)
        ADD_FAILURE() << "missing prompt: expected a " << TypeName(e.type)
                      << (e.type == PromptType::Message ? " \"" + e.text + "\"" : std::string())
                      << " that was never shown";
}

ScriptedPrompter& ScriptedPrompter::Push(Expectation e)
{
    std::lock_guard lock(m_mutex);
    m_expected.push_back(std::move(e));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectMessage(const std::string& text, platform::BoxAnswer answer,
                                                  MessageCheck check)
{
    Expectation e = Make(PromptType::Message, text);
    e.answer = answer;
    e.check = std::move(check);
    return Push(std::move(e));
}

ScriptedPrompter& ScriptedPrompter::ExpectFiles(std::vector<std::string> files)
{
    Expectation e = Make(PromptType::Files, {});
    e.files = std::move(files);
    return Push(std::move(e));
}

ScriptedPrompter& ScriptedPrompter::ExpectFolder(std::string folder)
{
    return Push(Make(PromptType::Folder, std::move(folder)));
}

ScriptedPrompter& ScriptedPrompter::ExpectInput(std::string text)
{
    return Push(Make(PromptType::Input, std::move(text)));
}

ScriptedPrompter& ScriptedPrompter::ExpectInputCancel()
{
    Expectation e = Make(PromptType::Input, {});
    e.cancel = true;
    return Push(std::move(e));
}

std::size_t ScriptedPrompter::PendingCount() const
{
    std::lock_guard lock(m_mutex);
    return m_expected.size();
}

std::optional<ScriptedPrompter::Expectation> ScriptedPrompter::Next(PromptType type,
                                                                    const std::string& what)
{
    if (m_expected.empty()) {
        ADD_FAILURE() << "unexpected " << TypeName(type) << ": " << what;
        return std::nullopt;
    }
    Expectation e = std::move(m_expected.front());
    m_expected.pop_front();
    if (e.type != type) {
        ADD_FAILURE() << "unexpected " << TypeName(type) << ": " << what << " (expected a "
                      << TypeName(e.type)
                      << (e.type == PromptType::Message ? " \"" + e.text + "\"" : std::string()) << ")";
        return std::nullopt;
    }
    return e;
}

platform::BoxAnswer ScriptedPrompter::Message(const platform::MessageRequest& request)
{
    std::lock_guard lock(m_mutex);
    log.push_back(Prompt{PromptType::Message, request.kind, request.caption, request.text,
                         request.icon, request.buttons, {}, {}});
    auto e = Next(PromptType::Message, "\"" + request.text + "\"");
    if (!e)
        return Negative(request.buttons);
    EXPECT_TRUE(SameText(e->text, request.text)) << "message text";
    if (e->check.kind) {
        EXPECT_EQ(*e->check.kind, request.kind) << "box kind of \"" << request.text << "\"";
    }
    if (e->check.caption) {
        EXPECT_EQ(*e->check.caption, request.caption) << "caption of \"" << request.text << "\"";
    }
    if (e->check.icon) {
        EXPECT_EQ(*e->check.icon, request.icon) << "icon of \"" << request.text << "\"";
    }
    if (e->check.buttons) {
        EXPECT_EQ(*e->check.buttons, request.buttons) << "buttons of \"" << request.text << "\"";
    }
    return e->answer;
}

std::vector<std::string> ScriptedPrompter::ChooseFiles(const platform::FileRequest& request)
{
    std::lock_guard lock(m_mutex);
    log.push_back(Prompt{PromptType::Files, platform::BoxKind::Captioned, request.title,
                         request.folder, platform::BoxIcon::None, platform::BoxButtons::OkCancel,
                         request.filter, request.defaultSuffix});
    auto e = Next(PromptType::Files, "\"" + request.title + "\"");
    if (!e)
        return {};
    if (request.mode != platform::FileRequest::Mode::OpenMany && e->files.size() > 1)
        ADD_FAILURE() << "file dialog \"" << request.title << "\" takes one file, scripted "
                      << e->files.size();
    return e->files;
}

std::string ScriptedPrompter::BrowseFolder(const platform::FolderRequest& request)
{
    std::lock_guard lock(m_mutex);
    log.push_back(Prompt{PromptType::Folder, platform::BoxKind::Captioned, request.title,
                         request.folder, platform::BoxIcon::None, platform::BoxButtons::OkCancel, {}, {}});
    auto e = Next(PromptType::Folder, "\"" + request.title + "\"");
    return e ? e->text : std::string();
}

bool ScriptedPrompter::InputText(const platform::InputRequest& request, std::string& text)
{
    std::lock_guard lock(m_mutex);
    log.push_back(Prompt{PromptType::Input, platform::BoxKind::Captioned, request.caption,
                         request.label, platform::BoxIcon::None, platform::BoxButtons::OkCancel, {}, {}});
    auto e = Next(PromptType::Input, "\"" + request.label + "\"");
    if (!e || e->cancel)
        return false;
    if (request.maxLength > 0 && static_cast<int>(e->text.size()) > request.maxLength)
        ADD_FAILURE() << "input box \"" << request.label << "\" holds " << request.maxLength
                      << " characters, scripted " << e->text.size();
    text = e->text;
    return true;
}

testing::AssertionResult SameText(const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return testing::AssertionSuccess();
    const auto diff = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const size_t at = static_cast<size_t>(diff.first - expected.begin());
    const size_t from = at > 20 ? at - 20 : 0;
    return testing::AssertionFailure()
           << "texts differ at offset " << at << " (lengths " << expected.size() << " and "
           << actual.size() << ")\n  expected: ..." << Visible(expected.substr(from, 60))
           << "\n  actual:   ..." << Visible(actual.substr(from, 60));
}

} // namespace twtest

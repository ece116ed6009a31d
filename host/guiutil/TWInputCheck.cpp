#include "host/guiutil/TWInputCheck.h"

#include "host/netutil/CliText.h"
#include "platform/core/Prompter.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr const char* kForbidden = "*?\"<>|";
constexpr std::size_t kMaxNameBytes = 255;

std::string Checked(const std::string& text, const std::string& label, const std::string& prompt, bool show)
{
    std::string problem;
    std::string name = TWInputCheck::CheckFileName(text, label, prompt, problem);
    if (name.empty() && show && !problem.empty())
        platform::MessageBoxTW(problem, platform::BoxIcon::Information);
    return name;
}

// The window's text as the platform's window-text query gives it: a combo
// box's shown text, an edit's text.
std::string WindowText(QWidget* window)
{
    if (auto* box = qobject_cast<QComboBox*>(window))
        return box->currentText().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(window))
        return edit->text().toStdString();
    return {};
}

} // namespace

std::string TWInputCheck::CheckFileName(const std::string& text, const std::string& label,
                                        const std::string& prompt, std::string& problem)
{
    problem.clear();
    const std::string name(CliText::Trim(text));
    if (name.empty()) {
        problem = prompt.empty() ? "Please enter the " + label + " name." : prompt;
        return {};
    }
    if (name.find_first_of(kForbidden) != std::string::npos) {
        problem = "The " + label + " name can't include any of the following characters\n\t* ? \" < > |";
        return {};
    }
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        problem = "The " + label + " name can't include a tab, a line break or any other control character.";
        return {};
    }
    if (name.size() > kMaxNameBytes) {
        problem = "The " + label + " name is too long: a name can hold at most 255 bytes.";
        return {};
    }
    return name;
}

std::string TWInputCheck::CheckFileNameComboBox(QWidget* window, const std::string& label,
                                                const std::string& prompt, bool show)
{
    return Checked(WindowText(window), label, prompt, show);
}

std::string TWInputCheck::CheckFileNameBox(QWidget* window, const std::string& label, const std::string& prompt,
                                           bool show)
{
    return Checked(WindowText(window), label, prompt, show);
}

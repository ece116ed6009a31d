#pragma once
// Drives modal dialogs in tests: each dialog the code under test runs through
// platform::RunModal is handed to the next queued step, which fills and clicks
// its controls by id and returns the dialog's result code.
#include "platform/qt/RunModal.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class QDialog;

namespace twtest {

class ModalDriver final : public platform::ModalRunner {
public:
    using Step = std::function<int(QDialog&)>;

    ModalDriver();
    ~ModalDriver() override;
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    ModalDriver& Expect(Step step);
    std::size_t PendingCount() const { return m_steps.size(); }
    // Window titles of the dialogs run so far.
    const std::vector<std::string>& Titles() const { return m_titles; }

    int Run(QDialog& dialog) override;

    // Control helpers; each reports a test failure and returns false when the
    // control is missing or of the wrong kind.
    static bool FillText(QDialog& dialog, int id, const std::string& text);
    static bool Click(QDialog& dialog, int id);
    static bool Check(QDialog& dialog, int id, bool checked);
    // The text of an edit, label, button or combo box; empty when missing.
    static std::string Text(QDialog& dialog, int id);

    // A step that clicks the control id and returns the dialog's result.
    static Step ClickStep(int id);
    // Steps that close the dialog untouched.
    static Step Accept();
    static Step Reject();

private:
    std::deque<Step> m_steps;
    std::vector<std::string> m_titles;
    platform::ModalRunner* m_previous = nullptr;
};

} // namespace twtest

#pragma once
// The host's one-line input box: a caption, a label and an edit. OK checks
// the text and, when it is empty, invalid or too long, says so in the
// caller's own words and stays open. Runs through platform::RunModal.
#include "host/guiutil/DialogButtons.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

class CInputMessageDlg : public QDialog {
public:
    static constexpr int kIdd = 3790;
    static constexpr int kIdcLabel = 3791;
    static constexpr int kIdcInput = 3792;
    static constexpr int kIdOk = guiutil::kIdOk;
    static constexpr int kIdCancel = guiutil::kIdCancel;

    // True when the text may be taken.
    using Validator = std::function<bool(const std::string&)>;

    explicit CInputMessageDlg(QWidget* parent = nullptr);
    ~CInputMessageDlg() override;

    void SetCaption(const std::string& caption) { m_caption = caption; }
    void SetLabel(const std::string& label) { m_label = label; }
    void SetText(const std::string& text) { m_text = text; }
    // Longest text taken, in bytes; 0: no limit.
    void SetMaxLength(int maxLength) { m_maxLength = maxLength; }
    // The messages for an empty, an invalid and a too long text.
    void SetMessages(const std::string& empty, const std::string& invalid, const std::string& tooLong);
    // Besides control characters, which are never taken.
    void SetValidator(Validator validator) { m_validator = std::move(validator); }

    // Runs the dialog; true on OK, and GetText() is the text entered.
    bool DoModal();
    const std::string& GetText() const { return m_text; }

    // Empty when text may be taken, else the message that says why not.
    std::string Check(const std::string& text) const;

    void accept() override;

private:
    std::string m_caption;
    std::string m_label;
    std::string m_text;
    int m_maxLength = 0;
    std::string m_emptyMessage = "Please input message!";
    std::string m_invalidMessage = "The input is invalid.";
    std::string m_tooLongMessage = "The input is too long.";
    Validator m_validator;

    QLabel* m_labelWidget = nullptr;
    QLineEdit* m_edit = nullptr;
};

#include "support/ModalDriver.h"

#include "platform/qt/ControlId.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace twtest {

ModalDriver::ModalDriver()
{
    m_previous = platform::InstallModalRunner(this);
}

ModalDriver::~ModalDriver()
{
    platform::InstallModalRunner(m_previous);
    if (!m_steps.empty())
        ADD_FAILURE() << "missing dialog: " << m_steps.size() << " scripted dialog step(s) never ran";
}

ModalDriver& ModalDriver::Expect(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

int ModalDriver::Run(QDialog& dialog)
{
    m_titles.push_back(dialog.windowTitle().toStdString());
    if (m_steps.empty()) {
        ADD_FAILURE() << "unexpected dialog \"" << dialog.windowTitle().toStdString() << "\"";
        return QDialog::Rejected;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    // Shown as exec() would, so that show-time set-up runs and visibility holds.
    QPointer<QDialog> guard(&dialog);
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int result = step(dialog);
    // A dialog that deletes itself on close may be gone by now.
    if (guard)
        guard->hide();
    return result;
}

bool ModalDriver::FillText(QDialog& dialog, int id, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (auto* edit = platform::Control<QLineEdit>(&dialog, id)) {
        edit->setText(value);
        // Handlers that listen for typing see it as a user's edit.
        emit edit->textEdited(value);
        return true;
    }
    if (auto* combo = platform::Control<QComboBox>(&dialog, id); combo && combo->isEditable()) {
        combo->setEditText(value);
        return true;
    }
    if (auto* edit = platform::Control<QPlainTextEdit>(&dialog, id)) {
        edit->setPlainText(value);
        return true;
    }
    if (auto* edit = platform::Control<QTextEdit>(&dialog, id)) {
        edit->setPlainText(value);
        return true;
    }
    ADD_FAILURE() << "no text control " << id << " in dialog \"" << dialog.windowTitle().toStdString() << "\"";
    return false;
}

bool ModalDriver::Click(QDialog& dialog, int id)
{
    auto* button = platform::Control<QAbstractButton>(&dialog, id);
    if (!button) {
        ADD_FAILURE() << "no button " << id << " in dialog \"" << dialog.windowTitle().toStdString() << "\"";
        return false;
    }
    if (!button->isEnabled()) {
        ADD_FAILURE() << "button " << id << " is disabled in dialog \""
                      << dialog.windowTitle().toStdString() << "\"";
        return false;
    }
    button->click();
    return true;
}

bool ModalDriver::Check(QDialog& dialog, int id, bool checked)
{
    auto* button = platform::Control<QAbstractButton>(&dialog, id);
    if (!button || !button->isCheckable()) {
        ADD_FAILURE() << "no check box " << id << " in dialog \"" << dialog.windowTitle().toStdString() << "\"";
        return false;
    }
    // A click, not setChecked, so that the dialog's handlers run as for a user.
    if (button->isChecked() != checked)
        button->click();
    return button->isChecked() == checked;
}

std::string ModalDriver::Text(QDialog& dialog, int id)
{
    if (auto* w = platform::Control<QLineEdit>(&dialog, id))
        return w->text().toStdString();
    if (auto* w = platform::Control<QLabel>(&dialog, id))
        return w->text().toStdString();
    if (auto* w = platform::Control<QAbstractButton>(&dialog, id))
        return w->text().toStdString();
    if (auto* w = platform::Control<QComboBox>(&dialog, id))
        return w->currentText().toStdString();
    if (auto* w = platform::Control<QPlainTextEdit>(&dialog, id))
        return w->toPlainText().toStdString();
    if (auto* w = platform::Control<QTextEdit>(&dialog, id))
        return w->toPlainText().toStdString();
    return {};
}

ModalDriver::Step ModalDriver::ClickStep(int id)
{
    return [id](QDialog& dialog) {
        Click(dialog, id);
        return dialog.result();
    };
}

ModalDriver::Step ModalDriver::Accept()
{
    return [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
}

ModalDriver::Step ModalDriver::Reject()
{
    return [](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    };
}

} // namespace twtest

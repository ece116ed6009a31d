#include "host/guiutil/CInputMessageDlg.h"

#include "platform/core/Prompter.h"
#include "host/guiutil/DialogButtons.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/RunModal.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CInputMessageDlg::CInputMessageDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlg%1").arg(kIdd));
    m_labelWidget = new QLabel(this);
    platform::SetControlId(m_labelWidget, kIdcLabel);
    m_edit = new QLineEdit(this);
    m_edit->setMinimumWidth(280);
    platform::SetControlId(m_edit, kIdcInput);
    m_labelWidget->setBuddy(m_edit);

    QDialogButtonBox* buttons = guiutil::MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_labelWidget);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
}

CInputMessageDlg::~CInputMessageDlg() = default;

void CInputMessageDlg::SetMessages(const std::string& empty, const std::string& invalid, const std::string& tooLong)
{
    if (!empty.empty())
        m_emptyMessage = empty;
    if (!invalid.empty())
        m_invalidMessage = invalid;
    if (!tooLong.empty())
        m_tooLongMessage = tooLong;
}

bool CInputMessageDlg::DoModal()
{
    setWindowTitle(QString::fromStdString(m_caption));
    m_labelWidget->setText(QString::fromStdString(m_label));
    m_edit->setText(QString::fromStdString(m_text));
    m_edit->selectAll();
    m_edit->setFocus();
    return platform::RunModal(*this) == QDialog::Accepted;
}

std::string CInputMessageDlg::Check(const std::string& text) const
{
    if (text.empty())
        return m_emptyMessage;
    // The edit takes no limit of its own, so that an over-long paste is
    // named rather than cut without a word.
    if (m_maxLength > 0 && text.size() > static_cast<std::size_t>(m_maxLength))
        return m_tooLongMessage;
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return m_invalidMessage;
    if (m_validator && !m_validator(text))
        return m_invalidMessage;
    return {};
}

void CInputMessageDlg::accept()
{
    const std::string text = m_edit->text().toStdString();
    if (const std::string problem = Check(text); !problem.empty()) {
        platform::AppMessageBox(problem, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_text = text;
    QDialog::accept();
}

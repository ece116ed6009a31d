#include "host/guiutil/CDovrelRtbFileRenameDlg.h"

#include "host/guiutil/DialogButtons.h"
#include "host/util/CTWRTPath.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// Longest file name the file systems in use take, in bytes.
constexpr std::size_t kMaxFileName = 255;

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

CDovrelRtbFileRenameDlg::CDovrelRtbFileRenameDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlg%1").arg(kIdd));
    m_hostLabel = new QLabel(this);
    m_hostLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    platform::SetControlId(m_hostLabel, kIdcHostName);
    m_qualifierCaption = new QLabel(QStringLiteral("Qualifier:"), this);
    m_qualifierLabel = new QLabel(this);
    m_qualifierLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    platform::SetControlId(m_qualifierLabel, kIdcQualifier);
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setMinimumWidth(260);
    platform::SetControlId(m_nameEdit, kIdcTableName);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Hostname:"), m_hostLabel);
    form->addRow(m_qualifierCaption, m_qualifierLabel);
    form->addRow(QStringLiteral("Table name:"), m_nameEdit);

    QDialogButtonBox* buttons = guiutil::MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

CDovrelRtbFileRenameDlg::~CDovrelRtbFileRenameDlg() = default;

void CDovrelRtbFileRenameDlg::SetFolder(const std::string& folder)
{
    m_folder = platform::EnsureTrailingSlash(folder);
}

void CDovrelRtbFileRenameDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised && !event->spontaneous()) {
        m_initialised = true;
        setWindowTitle(m_mode == kSaveAs ? QStringLiteral("Save Table As") : QStringLiteral("Rename Table"));
        m_hostLabel->setText(QString::fromStdString(m_hostName));
        m_qualifierLabel->setText(QString::fromStdString(m_qualifier));
        m_qualifierCaption->setVisible(!m_qualifier.empty());
        m_qualifierLabel->setVisible(!m_qualifier.empty());
        m_nameEdit->setText(QString::fromStdString(m_tableName));
        m_nameEdit->selectAll();
        m_nameEdit->setFocus();
    }
    QDialog::showEvent(event);
}

std::string CDovrelRtbFileRenameDlg::CheckTableName(const std::string& name, const std::string& host,
                                                    const std::string& qualifier, int type)
{
    if (name.empty())
        return "Please input the table name.";
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F)
            return "The table name can't include tabs, line breaks or other control characters.";
    if (CTWRTPath::IsBuiltInName(name))
        return "'" + std::string(CTWRTPath::kDefaultLiveName) + "' and '" + CTWRTPath::kDefaultSimulationName +
               "' name the devices' own tables; please choose another name.";
    if (CTWRTPath::GetRtbFileName(host, name, qualifier, type).size() > kMaxFileName)
        return "The table name is too long.";
    return {};
}

void CDovrelRtbFileRenameDlg::accept()
{
    const std::string name = Trimmed(m_nameEdit->text().toStdString());
    if (const std::string problem = CheckTableName(name, m_hostName, m_qualifier, m_tableType); !problem.empty()) {
        platform::AppMessageBox(problem, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        m_nameEdit->setFocus();
        return;
    }
    const std::string target =
        m_folder + CTWRTPath::GetRtbFileName(m_hostName, name, m_qualifier, m_tableType);
    if (target == m_sourcePath) {
        if (m_mode == kRename) {
            QDialog::reject();   // nothing to rename
            return;
        }
        platform::AppMessageBox("A table cannot be saved as itself; please choose another name.",
                                platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        return;
    }

    const auto transfer = [&](bool replace) {
        return m_mode == kSaveAs ? CTWRTPath::CopyTableFile(m_sourcePath, target, replace)
                                 : CTWRTPath::MoveTableFile(m_sourcePath, target, replace);
    };
    CTWRTPath::Transfer done = transfer(false);
    if (done.status == CTWRTPath::Transfer::kExists) {
        const std::string question = "The table '" + name + "' of " + m_hostName +
                                     " already exists.\nDo you want to replace it?";
        if (platform::MessageBoxTW(question, platform::BoxIcon::Question, platform::BoxButtons::YesNo, this) !=
            platform::BoxAnswer::Yes)
            return;
        done = transfer(true);
    }
    if (!done.Ok()) {
        platform::AppMessageBox(done.error, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        return;
    }
    m_tableName = name;
    m_newPath = target;
    QDialog::accept();
}

#include "guidataset/dialogs/CDovrelDataSetNew.h"

#include "guidataset/dataset/core/DataFolderName.h"
#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "guidataset/resources/DovrelDataSetNewIds.h"
#include "host/util/CGlobalSet.h"
#include "host/util/EventDispatcher.h"
#include "host/util/Pathname.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The template's size in dialog units: a quarter of the average character
// width across, an eighth of the line height down.
QSize DialogUnits(const QWidget& w, int x, int y)
{
    const QFontMetrics fm(w.font());
    return QSize(x * fm.averageCharWidth() / 4, y * fm.height() / 8);
}

} // namespace

CDovrelDataSetNew::CDovrelDataSetNew(TWFileSystem* fileSystem, const std::string& parentFolder,
                                     QWidget* owner)
    : QDialog(owner), m_pFileSystem(fileSystem), m_strParentFolder(parentFolder)
{
    setWindowTitle(QStringLiteral("New DataFolder"));
    platform::SetControlId(this, kIddDataSetNew);

    auto* prompt = new QLabel(QStringLiteral("Please input DataFolder name"), this);
    m_nameEdit = new QLineEdit(this);
    platform::SetControlId(m_nameEdit, kIdcDataSetNewName);
    m_nameEdit->setMaxLength(static_cast<int>(kMaxDataFolderNameLength));
    prompt->setBuddy(m_nameEdit);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    platform::SetControlId(ok, kIdcDataSetNewOk);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    platform::SetControlId(cancel, kIdcDataSetNewCancel);
    cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_nameEdit);
    layout->addStretch();
    layout->addWidget(line);
    layout->addLayout(buttons);

    setTabOrder(m_nameEdit, ok);
    setTabOrder(ok, cancel);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(DialogUnits(*this, 183, 79).expandedTo(minimumSizeHint()));
    m_nameEdit->setFocus();
}

void CDovrelDataSetNew::Refuse(const std::string& message)
{
    platform::MessageBoxTW(message, platform::BoxIcon::Information, platform::BoxButtons::Ok, this);
    m_nameEdit->setFocus();
}

void CDovrelDataSetNew::OnOK()
{
    m_strName = m_nameEdit->text().toStdString();

    // Empty, forbidden characters and reserved names come before the folder is known.
    DataFolderNameCheck check = CheckDataFolderName(m_strName, std::string());
    if (!check.Ok()) {
        Refuse(check.message);
        return;
    }

    std::string base;
    if (!m_strParentFolder.empty())
        base = platform::EnsureTrailingSlash(m_strParentFolder);
    else if (m_pFileSystem)
        base = m_pFileSystem->GetDataSetsFolder();
    if (base.empty())
        return;

    // Again with the folder: only the existence test (ignoring case) can fail now.
    check = CheckDataFolderName(m_strName, base);
    const std::string folder = base + check.name;
    if (!check.Ok() || Pathname(folder).exists()) {
        Refuse(check.Ok() ? std::string("The DataFolder already exists.") : check.message);
        return;
    }

    const Pathname target(folder);
    if (!target.mkdirHier(0775)) {
        platform::MessageBoxTW("The system failed to create the DataFolder.",
                               platform::BoxIcon::Information, platform::BoxButtons::Ok, this);
        target.removeFile(false);
        reject();
        return;
    }
    // A descriptor that can't be written leaves the DataFolder created and unlocked.
    WriteNewDialogCreationDescriptor(folder, CGlobalSet::GetCurUser());

    m_strNewName = check.name;
    if (m_strParentFolder.empty())
        EventDispatcher::Instance().DoAfter(kEventDataFolder, kActionDataFolderAdded, m_pFileSystem,
                                            const_cast<char*>(folder.c_str()));
    accept();
}

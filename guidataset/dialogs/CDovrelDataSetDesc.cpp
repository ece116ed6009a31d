#include "guidataset/dialogs/CDovrelDataSetDesc.h"

#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "guidataset/dialogs/core/DatasetDescContent.h"
#include "guidataset/resources/DovrelDataSetDescIds.h"
#include "host/baseline/CBaseline.h"
#include "host/util/Pathname.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FileTimes.h"
#include "platform/core/Paths.h"
#include "platform/qt/ControlId.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int kMaxDescriptionLength = 512;

QSize DialogUnits(const QWidget& w, int x, int y)
{
    const QFontMetrics fm(w.font());
    return QSize(x * fm.averageCharWidth() / 4, y * fm.height() / 8);
}

QString FromStd(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

CDovrelDataSetDesc::CDovrelDataSetDesc(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("DataFolder Description"));
    platform::SetControlId(this, kIddDataSetDesc);

    auto* grid = new QGridLayout;
    int row = 0;
    auto addField = [&](const char* label, int id, bool hidden) {
        auto* caption = new QLabel(QString::fromLatin1(label), this);
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        platform::SetControlId(edit, id);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        caption->setVisible(!hidden);
        edit->setVisible(!hidden);
        ++row;
        return edit;
    };
    m_nameEdit = addField("DataFolder Name:", kIdcDataSetDescName, false);
    m_pathEdit = addField("DataFolder Path:", kIdcDataSetDescPath, false);
    m_createTimeEdit = addField("Create Time:", kIdcDataSetDescCreateTime, false);
    m_creatorEdit = addField("Creator:", kIdcDataSetDescCreator, false);
    m_applicationEdit = addField("Analysis:", kIdcDataSetDescApplication, true);
    m_taskEdit = addField("Task name:", kIdcDataSetDescTask, true);

    auto* descLabel = new QLabel(QStringLiteral("Description:"), this);
    m_descEdit = new QPlainTextEdit(this);
    platform::SetControlId(m_descEdit, kIdcDataSetDescText);
    m_descEdit->setTabChangesFocus(true);
    descLabel->setBuddy(m_descEdit);
    grid->addWidget(descLabel, row, 0, Qt::AlignTop);
    grid->addWidget(m_descEdit, row, 1);
    grid->setRowStretch(row, 1);
    connect(m_descEdit, &QPlainTextEdit::textChanged, this, [this] { LimitDescription(); });

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    platform::SetControlId(save, kIdcDataSetDescSave);
    save->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    platform::SetControlId(close, kIdcDataSetDescClose);
    close->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setFixedSize(DialogUnits(*this, 273, 179).expandedTo(minimumSizeHint()));
}

void CDovrelDataSetDesc::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDovrelDataSetDesc::OnInitDialog()
{
    const CNetworkBase* baseline = GetCurrentBaseline();
    const TWFileSystem* fileSystem = baseline ? baseline->GetFileSystem() : nullptr;
    const TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr;
    m_strPath = registry ? registry->GetDataSetPath(m_strPath) : std::string();
    if (platform::EndsWithSeparator(m_strPath))
        m_strPath.pop_back();

    m_strName = Pathname(m_strPath).file();
    m_nameEdit->setText(FromStd(m_strName));
    m_pathEdit->setText(FromStd(m_strPath));
    m_pathEdit->setCursorPosition(0);
    // An unknown DataFolder has no descriptor to read, and Save must not write one.
    if (!m_strPath.empty()) {
        m_strDescPath = DatasetDescriptorPath(m_strPath);
        LoadDescriptor();
    }
    m_descEdit->setFocus();
}

void CDovrelDataSetDesc::LoadDescriptor()
{
    const DatasetDescContent content = ReadDatasetDescContent(m_strDescPath);
    if (content.creator)
        m_creatorEdit->setText(FromStd(*content.creator));
    if (!content.createTime.empty())
        m_createTimeEdit->setText(FromStd(content.createTime));
    if (!content.application.empty())
        m_applicationEdit->setText(FromStd(content.application));
    if (!content.task.empty())
        m_taskEdit->setText(FromStd(content.task));
    if (!content.description.empty()) {
        QString text = FromStd(content.description);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_descEdit->setPlainText(text);
    }

    if (m_strName == "Local default")
        m_creatorEdit->setText(QStringLiteral("system"));
    if (content.createTime.empty()) {
        const platform::FileTime created = platform::CreationTime(m_strPath + "/.");
        m_createTimeEdit->setText(
            FromStd(platform::FormatLocalTime(created, "%Y-%m-%d %H:%M:%S")));
    }
}

void CDovrelDataSetDesc::LimitDescription()
{
    // Typing or pasting past the limit drops what was just inserted, not the text after it.
    const QString text = m_descEdit->toPlainText();
    const int excess = static_cast<int>(text.size()) - kMaxDescriptionLength;
    if (excess <= 0)
        return;
    QTextCursor cursor = m_descEdit->textCursor();
    const int end = cursor.position() >= excess ? cursor.position() : static_cast<int>(text.size());
    cursor.setPosition(end - excess);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void CDovrelDataSetDesc::OnSave()
{
    // Closes with OK also when nothing could be saved, as the user asked to leave.
    if (!m_strDescPath.empty())
        SaveDatasetDescription(m_strDescPath, m_descEdit->toPlainText().toStdString());
    accept();
}

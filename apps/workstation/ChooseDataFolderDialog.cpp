#include "apps/workstation/ChooseDataFolderDialog.h"

#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/qt/ControlId.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace workstation {

ChooseDataFolderDialog::ChooseDataFolderDialog(TWFileSystem& fileSystem, const QString& title,
                                               const QString& prompt, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(prompt, this));
    m_list = new QComboBox(this);
    m_list->setMinimumContentsLength(32);
    platform::SetControlId(m_list, kListId);
    layout->addWidget(m_list);

    std::vector<tagDataSetInfo*> records;
    fileSystem.GetDataSet()->GetAllDataSets(records, true);
    for (tagDataSetInfo* record : records) {
        std::unique_ptr<tagDataSetInfo> owned(record);
        m_list->addItem(QString::fromStdString(record->briefName),
                        QString::fromStdString(record->fullName));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(m_list->count() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string ChooseDataFolderDialog::ChosenName() const
{
    return m_list->currentData().toString().toStdString();
}

} // namespace workstation

#include "apps/workstation/viewers/CDeviceGroupDialog.h"

#include "host/netmodel/CDeviceGroups.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace workstation {

CDeviceGroupDialog::CDeviceGroupDialog(const CDeviceGroups& groups, const std::vector<std::string>& devices,
                                       bool create, QWidget* parent)
    : QDialog(parent), m_groups(groups), m_create(create)
{
    setWindowTitle(create ? tr("Create Device Group") : tr("Add to Device Group"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    if (create) {
        m_name = new QLineEdit(this);
        m_name->setMaxLength(128);
        m_name->setPlaceholderText(tr("e.g. Core routers"));
        platform::SetControlId(m_name, kNameId);
        form->addRow(tr("Group name:"), m_name);
    } else {
        m_groupList = new QComboBox(this);
        m_groupList->setMinimumContentsLength(28);
        for (const CDeviceGroups::Group& group : groups.GetGroups())
            m_groupList->addItem(QString::fromStdString(group.name));
        platform::SetControlId(m_groupList, kGroupListId);
        form->addRow(tr("Group:"), m_groupList);
    }
    layout->addLayout(form);

    layout->addWidget(new QLabel(devices.size() == 1 ? tr("1 device:") : tr("%1 devices:").arg(devices.size()), this));
    auto* list = new QListWidget(this);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    for (const std::string& device : devices)
        list->addItem(QString::fromStdString(device));
    list->setMaximumHeight(180);
    platform::SetControlId(list, kDeviceListId);
    layout->addWidget(list);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(create ? tr("Create") : tr("Add"));
    ok->setDefault(true);
    ok->setEnabled(create || m_groupList->count() > 0);
    platform::SetControlId(ok, kOkId);
    platform::SetControlId(buttons->button(QDialogButtonBox::Cancel), kCancelId);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDeviceGroupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

std::string CDeviceGroupDialog::GroupName() const
{
    if (m_create)
        return CDeviceGroups::Trim(m_name->text().toStdString());
    return m_groupList->currentText().toStdString();
}

void CDeviceGroupDialog::accept()
{
    if (m_create) {
        const std::string name = GroupName();
        CDeviceGroups::Result result = CDeviceGroups::CheckName(name);
        if (result == CDeviceGroups::Result::Ok && !m_groups.FindGroup(name).empty())
            result = CDeviceGroups::Result::Exists;
        if (result != CDeviceGroups::Result::Ok) {
            platform::MessageBoxTW(m_groups.Describe(result, name), platform::BoxIcon::Information,
                                   platform::BoxButtons::Ok, this);
            m_name->setFocus();
            m_name->selectAll();
            return;
        }
    }
    QDialog::accept();
}

} // namespace workstation

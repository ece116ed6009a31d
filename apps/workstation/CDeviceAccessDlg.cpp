#include "apps/workstation/CDeviceAccessDlg.h"

#include "host/guiutil/DialogButtons.h"
#include "host/liveaccess/CDeviceAccess.h"
#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

namespace workstation {

CDeviceAccessDlg::CDeviceAccessDlg(GlobalNetworkInfo& inventory, QWidget* parent)
    : QDialog(parent)
    , m_inventory(inventory)
{
    setWindowTitle(tr("Device Access"));
    QStringList names;
    for (DeviceSetting* device : inventory.GetDevices()) {
        CDeviceAccess access;
        if (CDeviceAccess::Load(inventory, device->GetName(), access)) {
            m_settings[access.device] = access;
            m_loaded[access.device] = access;
            names << QString::fromStdString(access.device);
        }
    }
    m_devices = new QStringListModel(names, this);
    m_list = new QListView(this);
    m_list->setModel(m_devices);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    platform::SetControlId(m_list, kDeviceListId);

    m_address = new QLineEdit(this);
    m_address->setPlaceholderText(tr("the device name"));
    platform::SetControlId(m_address, kAddressId);
    m_port = new QSpinBox(this);
    m_port->setRange(1, 65535);
    platform::SetControlId(m_port, kPortId);
    m_user = new QLineEdit(this);
    m_user->setPlaceholderText(tr("your login name"));
    platform::SetControlId(m_user, kUserId);
    m_platform = new QComboBox(this);
    for (CliPlatform platform : CCliPlatform::All())
        m_platform->addItem(QString::fromStdString(CCliPlatform::ToText(platform)));
    platform::SetControlId(m_platform, kPlatformId);

    auto* form = new QFormLayout;
    form->addRow(tr("Address:"), m_address);
    form->addRow(tr("SSH port:"), m_port);
    form->addRow(tr("User name:"), m_user);
    form->addRow(tr("Platform:"), m_platform);
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_list, 1);
    columns->addLayout(form, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(guiutil::MakeOkCancelButtons(this));

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { SelectDevice(current.row()); });
    if (!names.isEmpty())
        m_list->setCurrentIndex(m_devices->index(0));
    else
        for (QWidget* field : std::initializer_list<QWidget*>{m_address, m_port, m_user, m_platform})
            field->setEnabled(false);
    resize(560, 320);
}

CDeviceAccessDlg::~CDeviceAccessDlg() = default;

void CDeviceAccessDlg::SelectDevice(int row)
{
    // Moving the list's current row comes back here through its signal.
    if (row >= 0 && row < m_devices->rowCount() && m_list->currentIndex().row() != row) {
        m_list->setCurrentIndex(m_devices->index(row));
        return;
    }
    KeepFields();
    m_shown = row >= 0 && row < m_devices->rowCount() ? m_devices->index(row).data().toString().toStdString()
                                                      : std::string();
    ShowFields();
}

void CDeviceAccessDlg::KeepFields()
{
    const auto found = m_settings.find(m_shown);
    if (found == m_settings.end())
        return;
    CDeviceAccess& access = found->second;
    access.address = m_address->text().trimmed().toStdString();
    access.port = m_port->value();
    access.user = m_user->text().trimmed().toStdString();
    CCliPlatform::FromText(m_platform->currentText().toStdString(), access.platform);
}

void CDeviceAccessDlg::ShowFields()
{
    const auto found = m_settings.find(m_shown);
    if (found == m_settings.end())
        return;
    const CDeviceAccess& access = found->second;
    m_address->setText(QString::fromStdString(access.address));
    m_port->setValue(access.port);
    m_user->setText(QString::fromStdString(access.user));
    m_platform->setCurrentText(QString::fromStdString(CCliPlatform::ToText(access.platform)));
}

void CDeviceAccessDlg::accept()
{
    KeepFields();
    for (const auto& [name, access] : m_settings) {
        const std::string problem = access.Check();
        if (!problem.empty()) {
            platform::MessageRequest request;
            request.text = problem;
            request.icon = platform::BoxIcon::Exclamation;
            request.parent = this;
            platform::Prompter::Instance().Message(request);
            SelectDevice(m_devices->stringList().indexOf(QString::fromStdString(name)));
            return;
        }
    }
    for (const auto& [name, access] : m_settings) {
        // Devices left as they were keep their sections untouched.
        const CDeviceAccess& before = m_loaded[name];
        if (access.address == before.address && access.port == before.port && access.user == before.user &&
            access.platform == before.platform)
            continue;
        if (!access.Save(m_inventory)) {
            platform::MessageRequest request;
            request.text = "The access settings of " + name + " could not be written to " +
                           m_inventory.GetDevicesFile() + ".";
            request.icon = platform::BoxIcon::Exclamation;
            request.parent = this;
            platform::Prompter::Instance().Message(request);
            return;
        }
    }
    QDialog::accept();
}

} // namespace workstation

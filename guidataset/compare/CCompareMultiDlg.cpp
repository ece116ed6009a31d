#include "guidataset/compare/CCompareMultiDlg.h"

#include "guidataset/compare/core/CompareDevices.h"
#include "guidataset/compare/ComparePickers.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/resources/CompareMultiDlgIds.h"
#include "host/adaptor/GuiDeviceCenter.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/devicegui/CDeviceListCtrl.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/netmodel/TWDeviceType.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace {

constexpr const char* kWorkspace = "*Baseline Config";
constexpr int kRetrieveMode = 2;

// The template's hyperlink: a flat button that reads as a link.
QPushButton* MakeLink(QWidget* parent, int id)
{
    auto* link = new QPushButton("Retrieve Live Data", parent);
    link->setFlat(true);
    link->setAutoDefault(false);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet("QPushButton { color: palette(link); text-decoration: underline; border: none; "
                        "padding: 0px 2px; text-align: left; }");
    platform::SetControlId(link, id);
    return link;
}

CDatasetComboBox* MakePicker(QWidget* parent, int id)
{
    auto* picker = new CDatasetComboBox(parent);
    picker->setMinimumContentsLength(28);
    platform::SetControlId(picker, id);
    return picker;
}

} // namespace

CCompareMultiDlg::CCompareMultiDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Compare Configuration and Routing");
    platform::SetControlId(this, kIddCompareMulti);

    m_deviceList = new CDeviceListCtrl(this);
    platform::SetControlId(m_deviceList, kIdcCompareMultiDevices);
    m_deviceList->setMinimumHeight(150);
    m_addDevice = new QPushButton("Add Device", this);
    m_addDevice->setAutoDefault(false);
    platform::SetControlId(m_addDevice, kIdcCompareMultiAddDevice);
    auto* remove = new QPushButton("Remove", this);
    remove->setAutoDefault(false);
    platform::SetControlId(remove, kIdcCompareMultiRemove);

    auto* group = new QGroupBox("Select two DataFolders where the data were stored:", this);
    m_first.picker = MakePicker(group, kIdcCompareMultiFirstPicker);
    m_first.retrieve = MakeLink(group, kIdcCompareMultiFirstRetrieve);
    m_second.picker = MakePicker(group, kIdcCompareMultiSecondPicker);
    m_second.retrieve = MakeLink(group, kIdcCompareMultiSecondRetrieve);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel("First DataFolder:", group), 0, 0);
    grid->addWidget(m_first.picker, 0, 1);
    grid->addWidget(m_first.retrieve, 0, 2);
    grid->addWidget(new QLabel("Second DataFolder:", group), 1, 0);
    grid->addWidget(m_second.picker, 1, 1);
    grid->addWidget(m_second.retrieve, 1, 2);
    grid->setColumnStretch(1, 1);

    m_configFiles = new QCheckBox("Compare Configuration Files", this);
    platform::SetControlId(m_configFiles, kIdcCompareMultiConfigFiles);
    m_routeTables = new QCheckBox("Compare Route Tables", this);
    platform::SetControlId(m_routeTables, kIdcCompareMultiRouteTables);

    auto* compare = new QPushButton("Compare", this);
    compare->setDefault(true);
    platform::SetControlId(compare, kIdcCompareMultiCompare);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setAutoDefault(false);
    platform::SetControlId(cancel, kIdcCompareMultiCancel);
    auto* help = new QPushButton("Help", this);
    help->setAutoDefault(false);
    platform::SetControlId(help, kIdcCompareMultiHelp);

    auto* deviceButtons = new QVBoxLayout;
    deviceButtons->addWidget(m_addDevice);
    deviceButtons->addWidget(remove);
    deviceButtons->addStretch(1);
    auto* devices = new QHBoxLayout;
    devices->addWidget(m_deviceList, 1);
    devices->addLayout(deviceButtons);
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_configFiles);
    checks->addWidget(m_routeTables);
    checks->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(compare);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("All devices to compare:", this));
    layout->addLayout(devices, 1);
    layout->addWidget(group);
    layout->addLayout(checks);
    layout->addLayout(buttons);

    connect(m_addDevice, &QPushButton::clicked, this, &CCompareMultiDlg::OnAddDevice);
    connect(remove, &QPushButton::clicked, this, &CCompareMultiDlg::OnRemove);
    connect(compare, &QPushButton::clicked, this, &CCompareMultiDlg::OnCompare);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CCompareMultiDlg::OnHelp);
    for (Side* side : {&m_first, &m_second}) {
        connect(side->picker, &CComboBoxTip::selectionChangeNotified, this, [this, side](int) { OnPickerChanged(*side); });
        connect(side->retrieve, &QPushButton::clicked, this, [this, side] { OnRetrieve(*side); });
    }
}

CCompareMultiDlg::~CCompareMultiDlg() = default;

void CCompareMultiDlg::SetDataFolders(const std::string& first, const std::string& second)
{
    m_firstIn = first;
    m_secondIn = second;
}

void CCompareMultiDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CCompareMultiDlg::OnInitDialog()
{
    GlobalNetworkInfo* inventory = GetCurrentGNI();
    FillComparePickers(*m_first.picker, *m_second.picker, m_firstIn, m_secondIn, true, inventory != nullptr);
    m_configFiles->setChecked((m_choices & kCompareMultiConfigFiles) != 0);
    m_routeTables->setChecked((m_choices & kCompareMultiRouteTables) != 0);
    m_deviceList->InitColumn("Device name", 141);

    // Without a device inventory every device given is kept, unlisted.
    if (!inventory)
        return;
    for (auto it = m_devices.begin(); it != m_devices.end();) {
        const TWDevice* device = inventory->GetDevice(*it, true);
        if (device && TWDeviceFactory::IsValidAction(device->GetDeviceType(), TW_ACTION_COMPARE)) {
            m_deviceList->AddDevice(*it, device->GetDeviceType());
            ++it;
        } else {
            it = m_devices.erase(it);
        }
    }
    for (Side* side : {&m_first, &m_second})
        side->retrieve->setVisible(side->picker->currentText() != kWorkspace);
}

void CCompareMultiDlg::OnPickerChanged(Side& side)
{
    if (side.picker->currentText() == kWorkspace) {
        // The project's own configurations have no live data and no route tables.
        side.retrieve->hide();
        m_routeTables->setChecked(false);
    } else {
        side.retrieve->show();
    }
}

void CCompareMultiDlg::OnAddDevice()
{
    std::vector<GuiDeviceCenter::DeviceEntry> chosen;
    if (!GuiDeviceCenter::Instance().SelectDevices(this, m_devices, chosen, TW_ACTION_COMPARE, 0))
        return;
    m_devices.clear();
    m_deviceList->DeleteAllItems();
    for (const GuiDeviceCenter::DeviceEntry& device : chosen) {
        m_devices.insert(device.name);
        m_deviceList->AddDevice(device.name, device.type);
    }
}

void CCompareMultiDlg::OnRemove()
{
    const std::vector<int> rows = m_deviceList->GetSelectedRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        m_devices.erase(m_deviceList->GetItemText(*row));
        m_deviceList->DeleteItem(*row);
    }
}

void CCompareMultiDlg::OnRetrieve(Side& side)
{
    const std::string name = side.picker->GetDataSetFullName("Please select a DataFolder!");
    // The picker has said that a DataFolder must be chosen; there is nowhere to retrieve to.
    if (name.empty())
        return;
    GuiLiveAccessCenter& live = GuiLiveAccessCenter::Instance();
    if (live.IsRetrieving()) {
        platform::AppMessageBox("The system is retrieving the live data. Please wait...");
        return;
    }
    if (name == kWorkspace) {
        platform::AppMessageBox("Cannot retrieve live data to  the special DataFolder '*Baseline Config'.");
        return;
    }
    live.RetrieveLiveData(JoinDeviceNames(m_devices), name, kRetrieveMode);
}

void CCompareMultiDlg::OnCompare()
{
    const std::string first = m_first.picker->currentText().toStdString();
    const std::string second = m_second.picker->currentText().toStdString();
    const bool configFiles = m_configFiles->isChecked();
    const bool routeTables = m_routeTables->isChecked();
    if (m_devices.empty()) {
        platform::AppMessageBox("Please add devices to compare");
        m_addDevice->setFocus();
        return;
    }
    if (!configFiles && !routeTables) {
        platform::AppMessageBox("Please select configuration files or route tables to compare.");
        m_configFiles->setFocus();
        return;
    }
    if (routeTables && (first == kWorkspace || second == kWorkspace)) {
        platform::AppMessageBox(std::string("If you want to compare route table, please don\u2019t select the special "
                                            "DataFolder '") +
                                kWorkspace + "' to compare.");
        return;
    }
    if (first == second) {
        platform::AppMessageBox("The first DataFolder cannot be same with the second one .");
        return;
    }
    m_choices = (configFiles ? kCompareMultiConfigFiles : 0) + (routeTables ? kCompareMultiRouteTables : 0);
    std::string name;
    m_firstPath = m_first.picker->GetDataSetPath("Please select a DataFolder", name);
    m_secondPath = m_second.picker->GetDataSetPath("Please select a DataFolder", name);
    accept();
}

void CCompareMultiDlg::OnHelp()
{
    platform::MessageBoxTW("List the devices to compare, choose the two DataFolders that hold their data "
                           "(\"*Baseline Config\" is the project's own configuration files), tick what to "
                           "compare and click Compare. \"Retrieve Live Data\" first collects fresh data of the "
                           "listed devices into that DataFolder.",
                           platform::BoxIcon::Information, platform::BoxButtons::Ok, this);
}

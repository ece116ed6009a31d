#pragma once
// "Device Access": how the workstation reaches each device of the project's
// inventory over SSH (address, port, user name, CLI platform). Passwords are
// not set here: they are asked for when a device wants one.
#include "host/liveaccess/CDeviceAccess.h"

#include <QDialog>

#include <map>
#include <string>

class GlobalNetworkInfo;
class QComboBox;
class QLineEdit;
class QListView;
class QSpinBox;
class QStringListModel;

namespace workstation {

class CDeviceAccessDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDeviceAccessDlg(GlobalNetworkInfo& inventory, QWidget* parent = nullptr);
    ~CDeviceAccessDlg() override;

    // Control ids, for tests that drive the dialog.
    static constexpr int kDeviceListId = 1101;
    static constexpr int kAddressId = 1102;
    static constexpr int kPortId = 1103;
    static constexpr int kUserId = 1104;
    static constexpr int kPlatformId = 1105;

    // Shows the settings of the device in the given row.
    void SelectDevice(int row);

public slots:
    void accept() override;

private:
    void KeepFields();
    void ShowFields();

    GlobalNetworkInfo& m_inventory;
    QStringListModel* m_devices = nullptr;
    QListView* m_list = nullptr;
    QLineEdit* m_address = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_user = nullptr;
    QComboBox* m_platform = nullptr;
    std::map<std::string, CDeviceAccess> m_settings;
    std::map<std::string, CDeviceAccess> m_loaded;
    std::string m_shown;
};

} // namespace workstation

#pragma once
// "Compare Configuration and Routing": the devices to compare, the two
// DataFolders that hold their data (or the project's own configurations,
// "*Baseline Config") and what to compare. It can also fetch fresh live data of
// the listed devices into either DataFolder first. It only chooses; its opener
// runs the comparison.
#include <QDialog>

#include <set>
#include <string>

class CDatasetComboBox;
class CDeviceListCtrl;
class QCheckBox;
class QPushButton;
class QShowEvent;

class CCompareMultiDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCompareMultiDlg(QWidget* parent = nullptr);
    ~CCompareMultiDlg() override;

    // In before the dialog runs, out after "Compare". DataFolders come in as
    // paths ("*" for the project's own configurations).
    void SetDevices(const std::set<std::string>& devices) { m_devices = devices; }
    void SetDataFolders(const std::string& first, const std::string& second);
    void SetChoices(int choices) { m_choices = choices; }

    const std::set<std::string>& GetDevices() const { return m_devices; }
    const std::string& GetFirstPath() const { return m_firstPath; }
    const std::string& GetSecondPath() const { return m_secondPath; }
    // kCompareMultiConfigFiles | kCompareMultiRouteTables.
    int GetChoices() const { return m_choices; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Side {
        CDatasetComboBox* picker = nullptr;
        QPushButton* retrieve = nullptr;
    };

    void OnInitDialog();
    void OnPickerChanged(Side& side);
    void OnAddDevice();
    void OnRemove();
    void OnRetrieve(Side& side);
    void OnCompare();
    void OnHelp();

    std::set<std::string> m_devices;
    std::string m_firstIn;
    std::string m_secondIn;
    std::string m_firstPath;
    std::string m_secondPath;
    int m_choices = 0;
    Side m_first;
    Side m_second;
    CDeviceListCtrl* m_deviceList = nullptr;
    QPushButton* m_addDevice = nullptr;
    QCheckBox* m_configFiles = nullptr;
    QCheckBox* m_routeTables = nullptr;
    bool m_initialised = false;
};

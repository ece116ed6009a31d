#pragma once
// "Compare Device Configurations": two configuration files of one device,
// from DataFolders or from the project itself ("Baseline"). The opener hands
// the two paths on to the configuration compare.
#include <QDialog>

#include <string>

class CDatasetComboBox;
class INetworkInfo;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QShowEvent;
class QTreeWidget;
class TWFileSystem;

class CSelect2ConfigDlg : public QDialog {
    Q_OBJECT
public:
    // fileSystem: the project whose DataFolders are offered (null: none);
    // networkInfo: when given, the project's own configuration is offered too.
    CSelect2ConfigDlg(TWFileSystem* fileSystem, INetworkInfo* networkInfo, QWidget* parent = nullptr);
    ~CSelect2ConfigDlg() override;

    void SetDeviceName(const std::string& device) { m_deviceName = device; }
    // Once the dialog ended with OK.
    const std::string& GetFirstPath() const { return m_firstPath; }
    const std::string& GetSecondPath() const { return m_secondPath; }

protected:
    void showEvent(QShowEvent* event) override;
    // Enter in the device field lists that device's files instead of closing the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();
    void FillFiles();
    void AddFileRow(const std::string& name, const std::string& path);
    // Takes the selected file as configuration 1 (first) or 2.
    void OnTake(bool first);
    void OnOk();

    TWFileSystem* m_fileSystem;
    INetworkInfo* m_networkInfo;
    std::string m_deviceName;
    std::string m_firstPath;
    std::string m_secondPath;
    CDatasetComboBox* m_picker = nullptr;
    QTreeWidget* m_files = nullptr;
    QLineEdit* m_deviceEdit = nullptr;
    QPlainTextEdit* m_firstText = nullptr;
    QPlainTextEdit* m_secondText = nullptr;
    bool m_initialised = false;
};

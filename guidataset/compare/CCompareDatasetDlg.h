#pragma once
// The table compare dialog: for one device, two stored tables of one kind
// (route, ARP, MAC or CDP) from two DataFolders. It only chooses; its opener
// compares the two table files it hands back.
#include <QDialog>

#include <map>
#include <string>

class CDatasetComboBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QShowEvent;

class CCompareDatasetDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCompareDatasetDlg(QWidget* parent = nullptr);
    ~CCompareDatasetDlg() override;

    // Set by the opener before the dialog runs.
    void SetKind(int kind) { m_kind = kind; }
    void SetHostName(const std::string& host) { m_hostName = host; }
    void SetFirstDataFolderName(const std::string& name) { m_firstName = name; }
    void SetSecondDataFolderName(const std::string& name) { m_secondName = name; }
    void SetAllowSame(bool allowSame) { m_allowSame = allowSame; }
    // Starts from the table file at path (ignored when there is none): its
    // kind, its DataFolder on the left, its device and its table preselected.
    void ApplyOpeningFile(const std::string& path);

    int GetKind() const { return m_kind; }
    const std::string& GetHostName() const { return m_hostName; }
    const std::string& GetFirstDataFolderName() const { return m_firstName; }
    // The chosen tables, once the dialog ended with OK.
    const std::string& GetFirstTablePath() const { return m_firstPath; }
    const std::string& GetSecondTablePath() const { return m_secondPath; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Side {
        CDatasetComboBox* picker = nullptr;
        QComboBox* tables = nullptr;
        std::map<std::string, std::string> paths;   // shown text -> table file
    };

    void OnInitDialog();
    void OnSelectDevice();
    void OnOk();
    void FillTables(Side& side);
    // Controls to fields and back, as the template's data exchange does.
    void ReadControls();
    void WriteControls();

    std::string m_hostName;
    std::string m_firstName;
    std::string m_secondName;
    std::string m_firstPath;
    std::string m_secondPath;
    int m_kind = 1;
    bool m_allowSame = false;
    std::string m_firstTableText;
    std::string m_secondTableText;
    std::string m_preselect;
    QLineEdit* m_hostEdit = nullptr;
    QPushButton* m_selectButton = nullptr;
    Side m_first;
    Side m_second;
    bool m_initialised = false;
};

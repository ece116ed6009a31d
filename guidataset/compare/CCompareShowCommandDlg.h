#pragma once
// "Compare show command": on each side a DataFolder, a show command run on
// the dialog's device, and one execution of it; "Compare" hands the two result
// files to the external side-by-side viewer unless they hold the same text.
// The dialog stays open so that the user may compare again.
#include <QDialog>

#include <string>

class CDatasetComboBox;
class QComboBox;
class QLineEdit;
class QShowEvent;

class CCompareShowCommandDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCompareShowCommandDlg(QWidget* parent = nullptr);
    ~CCompareShowCommandDlg() override;

    // Set by the opener before the dialog runs. An empty DataFolder name
    // starts both sides on the current DataFolder.
    void SetDataFolderName(const std::string& name) { m_dataFolderName = name; }
    void SetDeviceName(const std::string& name) { m_deviceName = name; }
    void SetShowCommand(const std::string& command) { m_showCommand = command; }
    const std::string& GetDataFolderName() const { return m_dataFolderName; }

    // The viewer's command line for two result files, first side first.
    static std::string DiffCommandLine(const std::string& firstPath, const std::string& secondPath);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Side {
        CDatasetComboBox* picker = nullptr;
        QComboBox* commands = nullptr;
        QComboBox* executions = nullptr;
    };

    void OnInitDialog();
    void OnCompare();
    void OnPickerChanged(Side& side);
    void FillCommands(Side& side);
    void FillExecutions(Side& side);
    // The trimmed text of the device edit.
    std::string DeviceName() const;
    // The side's DataFolder folder; asks the user to pick one when none is.
    std::string SideDataFolderPath(Side& side);
    // The result file the side names; empty (after telling the user why) when
    // it names none. fileName receives the bare file name.
    std::string SideResultPath(Side& side, std::string& fileName);
    // False, after naming the file to the user, when no file is at path.
    bool ResultFileThere(const std::string& path, const std::string& fileName);

    std::string m_dataFolderName;
    std::string m_deviceName;
    std::string m_showCommand;
    QLineEdit* m_deviceEdit = nullptr;
    Side m_first;
    Side m_second;
    bool m_initialised = false;
};

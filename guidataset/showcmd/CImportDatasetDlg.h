#pragma once
// "Import DataFolder": the outside folder whose content is copied, and the
// DataFolder that receives it. The copy itself follows the dialog's OK
// (ImportIntoDataFolder), run by the DataFolder panel.
#include <QDialog>

#include <string>

class CDatasetComboBox;
class CNetworkBase;
class QLineEdit;

class CImportDatasetDlg : public QDialog {
    Q_OBJECT
public:
    CImportDatasetDlg(CNetworkBase* network, QWidget* parent = nullptr);
    ~CImportDatasetDlg() override;

    // Valid after OK: the folder as typed, blanks trimmed, and the target
    // DataFolder's folder.
    const std::string& GetImportFolder() const { return m_importFolder; }
    const std::string& GetDataFolderPath() const { return m_dataFolderPath; }

    // The folder last chosen with "Browse" during this run of the program.
    static const std::string& LastBrowsedFolder();

    // Copies everything in importFolder, sub-folders with their content, into
    // dataFolderPath (created when missing), replacing files of the same
    // names, under the progress window "Import the DataFolder" owned by
    // owner. A failure is reported to the user; returns false then.
    static bool ImportIntoDataFolder(QWidget* owner, const std::string& importFolder,
                                     const std::string& dataFolderPath);

    // The whole import as the panel offers it: the dialog, then the copy.
    static bool Import(CNetworkBase* network, QWidget* panel);

private:
    void OnBrowse();
    void OnOk();

    QLineEdit* m_folderEdit = nullptr;
    CDatasetComboBox* m_picker = nullptr;
    std::string m_importFolder;
    std::string m_dataFolderPath;
};

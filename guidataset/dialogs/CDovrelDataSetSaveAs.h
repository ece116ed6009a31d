#pragma once
// "Export DataFolder": asks for the folder a DataFolder is exported into and
// hands back the export path (that folder followed by the DataFolder's name).
// The folder last chosen with "Browse" is remembered for the whole process.
#include <QDialog>

#include <string>

class QLineEdit;
class TWFileSystem;

class CDovrelDataSetSaveAs : public QDialog {
    Q_OBJECT
public:
    explicit CDovrelDataSetSaveAs(TWFileSystem* fileSystem, QWidget* parent = nullptr);
    ~CDovrelDataSetSaveAs() override;

    // Set before the dialog runs; shown read-only.
    void SetDataSetName(const std::string& name);
    const std::string& GetDataSetName() const { return m_dataSetName; }
    // Valid after "OK".
    const std::string& GetExportPath() const { return m_exportPath; }

    // The folder last chosen with "Browse" in this process; empty at first.
    static const std::string& RememberedFolder();

private:
    void OnBrowse();
    void OnOk();

    std::string m_dataSetName;
    std::string m_exportPath;
    TWFileSystem* m_fileSystem = nullptr;

    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_folderEdit = nullptr;
};

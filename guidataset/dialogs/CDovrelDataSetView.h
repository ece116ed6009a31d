#pragma once
// "DataFolder View": shows what one DataFolder holds, one kind of data at a
// time. Read-only; nothing is written to disk.
#include <QDialog>

#include <string>

class DataSetViewFileModel;
class QComboBox;
class QLineEdit;
class QTreeView;

class CDovrelDataSetView final : public QDialog {
public:
    explicit CDovrelDataSetView(QWidget* parent = nullptr);
    ~CDovrelDataSetView() override;

    // Set before the dialog runs; the name is looked up in the open project's
    // registry at this moment.
    void SetDataSetPath(const std::string& path);
    // Open on "SimulatedRouteTable" instead of "LiveRouteTable".
    void SetPreselectSimulated(bool preselect) { m_preselectSimulated = preselect; }

    const std::string& GetDataSetName() const { return m_name; }
    const std::string& GetDataSetPath() const { return m_path; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnKindChanged();
    void FillFileList();

    std::string m_name;
    std::string m_path;
    bool m_preselectSimulated = false;
    bool m_initialised = false;

    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_pathEdit = nullptr;
    QComboBox* m_kindPicker = nullptr;
    QTreeView* m_fileList = nullptr;
    DataSetViewFileModel* m_model = nullptr;
};

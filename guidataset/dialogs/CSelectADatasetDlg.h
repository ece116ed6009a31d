#pragma once
// "Select DataFolder" for the virtual route table: the DataFolder to calculate
// from, and whether missing route tables of connected neighbours may be
// fetched from the live network.
#include <QDialog>

#include <string>

class CDatasetComboBox;
class QCheckBox;

class CSelectADatasetDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSelectADatasetDlg(QWidget* parent = nullptr);
    ~CSelectADatasetDlg() override;

    // Valid after "OK".
    const std::string& GetPath() const { return m_path; }
    bool GetRetrieve() const { return m_retrieve; }

private:
    void OnOk();

    CDatasetComboBox* m_picker = nullptr;
    QCheckBox* m_retrieveBox = nullptr;
    std::string m_path;
    bool m_retrieve = true;
};

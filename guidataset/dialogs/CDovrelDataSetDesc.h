#pragma once
// "DataFolder Description": shows a DataFolder's name, path, creator and
// creation time from its descriptor and saves the free description.
#include <QDialog>

#include <string>

class QLineEdit;
class QPlainTextEdit;
class QShowEvent;

class CDovrelDataSetDesc : public QDialog {
public:
    explicit CDovrelDataSetDesc(QWidget* owner = nullptr);

    // The DataFolder's name before the dialog runs; its path once it has shown.
    void SetPath(const std::string& name) { m_strPath = name; }
    const std::string& GetPath() const { return m_strPath; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void LoadDescriptor();
    void OnSave();
    void LimitDescription();

    std::string m_strPath;
    std::string m_strName;
    std::string m_strDescPath;

    bool m_initialised = false;
    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_pathEdit = nullptr;
    QLineEdit* m_createTimeEdit = nullptr;
    QLineEdit* m_creatorEdit = nullptr;
    QLineEdit* m_applicationEdit = nullptr;
    QLineEdit* m_taskEdit = nullptr;
    QPlainTextEdit* m_descEdit = nullptr;
};

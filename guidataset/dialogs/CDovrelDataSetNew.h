#pragma once
// "New DataFolder": asks for a name, checks it, creates the folder with its
// descriptor and announces the new DataFolder.
#include <QDialog>

#include <string>

class QLineEdit;
class TWFileSystem;

class CDovrelDataSetNew : public QDialog {
public:
    // parentFolder, when not empty, receives the DataFolder instead of the
    // project's DataFolders folder, and the caller announces it.
    CDovrelDataSetNew(TWFileSystem* fileSystem, const std::string& parentFolder,
                      QWidget* owner = nullptr);

    // The accepted name; set only when the dialog closed with OK.
    const std::string& GetNewName() const { return m_strNewName; }

private:
    void OnOK();
    void Refuse(const std::string& message);

    std::string m_strNewName;
    std::string m_strName;
    TWFileSystem* m_pFileSystem = nullptr;
    std::string m_strParentFolder;

    QLineEdit* m_nameEdit = nullptr;
};

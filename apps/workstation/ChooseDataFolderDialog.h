#pragma once
#include <QDialog>

#include <string>

class QComboBox;
class TWFileSystem;

namespace workstation {

// Asks which DataFolder of the open project an action applies to.
class ChooseDataFolderDialog : public QDialog {
    Q_OBJECT
public:
    ChooseDataFolderDialog(TWFileSystem& fileSystem, const QString& title, const QString& prompt,
                           QWidget* parent = nullptr);

    // Full name of the chosen DataFolder.
    std::string ChosenName() const;
    // Control id of the list, for tests that drive the dialog.
    static constexpr int kListId = 1001;

private:
    QComboBox* m_list = nullptr;
};

} // namespace workstation

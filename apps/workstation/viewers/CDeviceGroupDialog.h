#pragma once
// Names the device group that devices go to: a new group's name (create) or
// one of the project's groups (add). OK checks a new name against the rules
// and the existing groups and says what is wrong without closing.
#include <QDialog>

#include <string>
#include <vector>

class CDeviceGroups;
class QComboBox;
class QLineEdit;

namespace workstation {

class CDeviceGroupDialog : public QDialog {
    Q_OBJECT
public:
    // Control ids, for tests that drive the dialog.
    static constexpr int kNameId = 1001;
    static constexpr int kGroupListId = 1002;
    static constexpr int kDeviceListId = 1003;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;

    CDeviceGroupDialog(const CDeviceGroups& groups, const std::vector<std::string>& devices, bool create,
                       QWidget* parent = nullptr);

    // The new group's name (trimmed) or the chosen group.
    std::string GroupName() const;

    void accept() override;

private:
    const CDeviceGroups& m_groups;
    bool m_create;
    QLineEdit* m_name = nullptr;
    QComboBox* m_groupList = nullptr;
};

} // namespace workstation

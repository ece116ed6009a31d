#pragma once
// "Please select show commands": one or more of the show commands of which a
// DataFolder holds results. Closes as cancelled, after saying so, when the
// DataFolder holds none.
#include <QDialog>

#include <string>
#include <vector>

class QShowEvent;
class QTreeWidget;

class CDlgSelectShowCommand : public QDialog {
    Q_OBJECT
public:
    explicit CDlgSelectShowCommand(QWidget* parent = nullptr);
    ~CDlgSelectShowCommand() override;

    void SetDataFolderName(const std::string& name) { m_dataFolderName = name; }
    // The commands picked are appended to this list on OK.
    void SetChosen(const std::vector<std::string>& chosen) { m_chosen = chosen; }
    const std::vector<std::string>& GetChosen() const { return m_chosen; }
    void SetAllowEmpty(bool allowEmpty) { m_allowEmpty = allowEmpty; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnOk();

    std::string m_dataFolderName;
    std::vector<std::string> m_chosen;
    bool m_allowEmpty = false;
    QTreeWidget* m_list = nullptr;
    bool m_initialised = false;
};

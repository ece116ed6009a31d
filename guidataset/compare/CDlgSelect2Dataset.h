#pragma once
// "Please Select Two DataFolders": two DataFolders for a caller that compares
// them itself, and optionally for each whether its cached live or its
// simulated route tables are meant.
#include <QDialog>

#include <string>

class CDatasetComboBox;
class QButtonGroup;
class QRadioButton;
class QShowEvent;

class CDlgSelect2Dataset : public QDialog {
    Q_OBJECT
public:
    // Route-table choices of each side.
    enum TableChoice { kCachedLive = 0, kSimulated = 1 };

    explicit CDlgSelect2Dataset(bool showTableChoice, QWidget* parent = nullptr);
    ~CDlgSelect2Dataset() override;

    // DataFolder paths to preselect ("*" or a folder inside the project's
    // configuration folder: the workspace entry, when offered).
    void SetDataFolders(const std::string& first, const std::string& second);
    void SetAllowSame(bool allowSame) { m_allowSame = allowSame; }
    void SetOfferWorkspace(bool offer) { m_offerWorkspace = offer; }
    void SetTableChoices(int first, int second);

    // Once the dialog ended with OK; a side without a choice gives an empty path.
    const std::string& GetFirstPath() const { return m_firstPath; }
    const std::string& GetSecondPath() const { return m_secondPath; }
    int GetFirstTableChoice() const { return m_firstTable; }
    int GetSecondTableChoice() const { return m_secondTable; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Side {
        CDatasetComboBox* picker = nullptr;
        QButtonGroup* tables = nullptr;
        QRadioButton* live = nullptr;
        QRadioButton* simulated = nullptr;
    };

    void OnInitDialog();
    void OnOk();
    void BuildSide(Side& side, int pickerId, int liveId, int simulatedId);

    std::string m_firstIn;
    std::string m_secondIn;
    std::string m_firstPath;
    std::string m_secondPath;
    bool m_allowSame = false;
    bool m_offerWorkspace = false;
    int m_firstTable = kCachedLive;
    int m_secondTable = kCachedLive;
    const bool m_showTableChoice;
    Side m_first;
    Side m_second;
    bool m_initialised = false;
};

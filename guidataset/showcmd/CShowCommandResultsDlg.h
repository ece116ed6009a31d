#pragma once
// "Show Command Results Browser": the modeless window in which the user picks
// a DataFolder, a device, a show command and one execution of it, reads and
// formats the result, annotates it with a note, steps between executions,
// runs the command again on the device, compares two executions and exports
// every result of the DataFolder. The DataFolder service keeps one instance.
#include <QDialog>
#include <QString>

#include <set>
#include <string>

class CDatasetComboBox;
class CResultNameListModel;
class CSerialEdit;
class CSerialEditWrapper;
class QCloseEvent;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeView;

class CShowCommandResultsDlg : public QDialog {
    Q_OBJECT
public:
    // ownerSlot: the service's pointer to this window, cleared when it goes.
    explicit CShowCommandResultsDlg(QWidget** ownerSlot = nullptr, QWidget* parent = nullptr);
    ~CShowCommandResultsDlg() override;

    // The one window kept in slot: made on first use, then shown (restored when
    // minimised) and brought to the front.
    static CShowCommandResultsDlg* ShowInstance(QWidget*& slot);

    // At one result file; a bare name (no folder) opens the current DataFolder.
    void OpenResultFile(const std::string& path);
    // A DataFolder (empty: the current one) at a device (empty: the first).
    void OpenDataFolder(const std::string& dataFolder, const std::string& device);
    // Only the devices of the set that take show commands, with results from
    // since on; the picker shows title (or the DataFolder's name) and is locked.
    void OpenDevices(const std::set<std::string>& devices, const std::string& dataFolder,
                     const std::string& since, const std::string& title, const std::string& device);

    // Writes the result text, the note and the formatting of the result shown.
    // ask: first asks whether to; No drops the changes. False when the changes
    // could not be written and the user stays on this result to keep them.
    bool SaveModifications(bool ask);
    // Searches the keyword from the last match on (Ctrl+F asks for it, F3 repeats).
    void AskAndFind();
    void FindNext();
    // Searches keyword (its first 254 bytes) from the start of the result.
    void FindText(const std::string& keyword);

    // Fills model with the devices of folder (or of the set, when given: those
    // the network model knows and that take show commands), each with its icon.
    static void FillDeviceList(CResultNameListModel& model, const std::string& folder,
                               const std::set<std::string>* devices);

    const std::string& CurrentFile() const { return m_currentFile; }
    const std::string& DataFolderPath() const { return m_dataFolderPath; }

    // Esc and the window's close both offer to save first.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    // Step A: the picker shows the DataFolder, whose devices are listed.
    void SelectDataFolder(const std::string& path);
    void UseDataFolder(const std::string& path);
    void OnPickerChanged();
    // Step B: lists the devices (of the set, when given) and selects one.
    bool ResetDevices(const std::set<std::string>* devices);
    void OnDeviceChanged();
    void OnCommandChanged();
    void OnTimeChanged();
    void FillTimes();
    void ShowSelectedResult();
    void ClearDisplay();
    void UpdateNavigation();
    void Step(int delta);
    void ReExecute();
    void Compare();
    void Export();
    void ShowTextMenu(const QPoint& where);
    // Follows an edit of the result text in the text Find searches.
    void KeepFindText(int position, int removed, int added);
    void LimitNote();
    void SetStatus(const QString& text);

    int SelectedRow(QTreeView* view) const;
    // Selects row of view without running its change handler.
    void SelectRowQuietly(QTreeView* view, int row);
    std::string NoteText() const;

    QWidget** m_ownerSlot = nullptr;

    std::string m_dataFolderPath;
    std::string m_folder;   // the show-command folder, ending in '/'
    std::string m_device;
    std::string m_command;
    std::string m_time;
    std::string m_since;
    std::string m_currentFile;
    std::string m_storedNote;   // as the note edit held it when loaded or saved
    int m_lastDeviceRow = -1;
    int m_lastCommandRow = -1;
    int m_lastTimeIndex = -1;
    bool m_resetOnDataFolderChange = true;
    std::ptrdiff_t m_findPos = -1;
    QString m_findKeyword;
    QString m_findText;        // the result text as Find searches it
    bool m_findTextValid = false;
    QString m_lastNote;        // the note edit's last text within the limit

    CDatasetComboBox* m_picker = nullptr;
    QTreeView* m_deviceView = nullptr;
    QTreeView* m_commandView = nullptr;
    CResultNameListModel* m_devices = nullptr;
    CResultNameListModel* m_commands = nullptr;
    QComboBox* m_times = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_reExecute = nullptr;
    QToolButton* m_save = nullptr;
    CSerialEditWrapper* m_editor = nullptr;
    CSerialEdit* m_text = nullptr;
    QLabel* m_status = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPushButton* m_compare = nullptr;
};

#pragma once
// The window that follows a live-data retrieval: one row per device with
// what it is doing and, at the end, what it returned or why it failed; a
// Cancel button that stops the retrieval.
#include <QWidget>

#include <map>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace workstation {

class CLiveProgressWindow : public QWidget {
    Q_OBJECT
public:
    enum Column { DeviceColumn, StateColumn, ResultColumn, ColumnCount };

    explicit CLiveProgressWindow(QWidget* parent = nullptr);

    void Start(const std::vector<std::string>& devices, const std::string& dataFolder);
    void SetState(const std::string& device, const std::string& state);
    void SetResult(const std::string& device, bool succeeded, const std::string& summary);
    // The retrieval ended: the Cancel button becomes Close.
    void Finish(int succeeded, int total, bool cancelled);

    QStandardItemModel* Model() const { return m_model; }
    QPushButton* CancelButton() const { return m_cancel; }
    QString Summary() const;

signals:
    void CancelRequested();

private:
    int Row(const std::string& device);

    QLabel* m_summary = nullptr;
    QTableView* m_view = nullptr;
    QStandardItemModel* m_model = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_running = false;
    std::map<std::string, int> m_rows;
};

} // namespace workstation

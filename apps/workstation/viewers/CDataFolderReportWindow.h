#pragma once
// What changed from one DataFolder to another, in a window of the MDI area:
// the numbers at the top, a row per changed device with its kinds under it.
// Opening a kind row compares or shows its files; "Export..." saves the
// report as text or HTML.
#include <QWidget>

#include <string>

struct DataFolderReport;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace workstation {

class CDataFolderReportModel;

class CDataFolderReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit CDataFolderReportWindow(QWidget* parent = nullptr);

    void SetReport(DataFolderReport report);
    const DataFolderReport& Report() const;

    // Asks for a file and saves the report to it; false when cancelled or
    // not written (said to the user).
    bool Export();
    // Opens the row's files (a device row: nothing).
    bool OpenRow(const QModelIndex& index);

    QTreeView* Tree() const { return m_tree; }
    CDataFolderReportModel* Model() const { return m_model; }
    QLabel* Summary() const { return m_summary; }
    QPushButton* OpenButton() const { return m_open; }

private:
    CDataFolderReportModel* m_model;
    QLabel* m_summary;
    QTreeView* m_tree;
    QPushButton* m_open;
};

} // namespace workstation

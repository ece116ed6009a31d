#pragma once
// The workstation's table viewer: one route, ARP, MAC or CDP table file in a
// sortable grid with a filter over every column and a row count
// ("1,204 of 80,000 rows").
#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QTableView;

namespace workstation {

class CTableFileModel;
class CTableFilterProxy;

class CTableViewer : public QWidget {
    Q_OBJECT
public:
    explicit CTableViewer(QWidget* parent = nullptr);

    // Shows the table; false with the reason (naming the file) when it
    // cannot be shown.
    bool Open(const std::string& path, std::string& error);
    const std::string& Path() const { return m_path; }
    // The file was renamed: the window follows it.
    void SetPath(const std::string& path);

    void SetFilterText(const QString& text);
    QString RowCountText() const;

    QTableView* Table() const { return m_table; }
    CTableFileModel* Model() const { return m_model; }
    CTableFilterProxy* Proxy() const { return m_proxy; }
    QLineEdit* FilterEdit() const { return m_filter; }

signals:
    void PathChanged();

private:
    void UpdateCount();
    void CopySelectedRows() const;

    std::string m_path;
    CTableFileModel* m_model = nullptr;
    CTableFilterProxy* m_proxy = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_count = nullptr;
};

} // namespace workstation

#pragma once
// The keyed comparison of two tables of one kind (route, ARP, MAC, CDP,
// interface): every added, removed or changed key in a coloured list, a
// count and a filter per kind of change, and a switch that also compares
// the columns that change on every capture (uptime, age).
#include <QWidget>

#include <string>

class QCheckBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace workstation {

class CKeyedCompareModel;

class CKeyedCompareViewer : public QWidget {
    Q_OBJECT
public:
    explicit CKeyedCompareViewer(QWidget* parent = nullptr);

    // Compares the two tables (first the older); false, with the reason for
    // the user, when they cannot be compared.
    bool Open(const std::string& first, const std::string& second, std::string& error);
    const std::string& First() const { return m_first; }
    const std::string& Second() const { return m_second; }

    // Shows or hides the keys of one kind of change.
    void ShowKind(const char* kindName, bool shown);
    // Also compares the columns that change on every capture; compares again.
    void SetIncludeIgnored(bool include);

    QTableView* Table() const { return m_table; }
    CKeyedCompareModel* Model() const { return m_model; }
    QCheckBox* KindFilter(const char* kindName) const;
    QCheckBox* IgnoredSwitch() const { return m_ignored; }
    QString SummaryText() const;
    QString ProblemText() const;

private:
    bool Compare(std::string& error);
    void UpdateFilter();
    void UpdateLabels();

    std::string m_first;
    std::string m_second;
    CKeyedCompareModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTableView* m_table = nullptr;
    QCheckBox* m_added = nullptr;
    QCheckBox* m_removed = nullptr;
    QCheckBox* m_changed = nullptr;
    QCheckBox* m_ignored = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_problems = nullptr;
};

} // namespace workstation

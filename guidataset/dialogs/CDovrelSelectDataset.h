#pragma once
// "Select DataFolder": lists a project's DataFolders with their times and
// hands back the chosen one's full name, brief name and path. The records of
// the rows are freed when the dialog closes, whichever way it closes.
#include <QDialog>

#include <string>
#include <vector>

class CNetworkBase;
class DataFolderListModel;
class QTreeView;

class CDovrelSelectDataset : public QDialog {
    Q_OBJECT
public:
    // network null: the DataFolders the open map refers to. DataFolders whose
    // full names are in leaveOut (ignoring case) are not listed.
    CDovrelSelectDataset(CNetworkBase* network, const std::vector<std::string>& leaveOut,
                         QWidget* parent = nullptr);
    ~CDovrelSelectDataset() override;

    // Valid after "OK".
    const std::string& GetName() const { return m_name; }
    const std::string& GetPath() const { return m_path; }
    const std::string& GetBriefName() const { return m_briefName; }
    // 3 when a DataFolder was picked from the list, else 0.
    int GetWayChosen() const { return m_wayChosen; }

    void done(int result) override;

private:
    void FillList();
    void OnOk();

    CNetworkBase* m_network = nullptr;
    std::string m_name;
    std::string m_path;
    std::string m_briefName;
    int m_wayChosen = 0;
    QTreeView* m_list = nullptr;
    DataFolderListModel* m_model = nullptr;
    std::vector<std::string> m_leaveOut;
};

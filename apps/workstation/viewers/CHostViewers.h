#pragma once
// The host's viewers in the workstation's MDI area, and the receivers and
// services through which the DataFolder module reaches them: receiver 0
// (view and compare a configuration, update to workspace), receiver 11
// (view and compare ARP, MAC and CDP tables), GuiRTCenter (route tables) and
// GuiDeviceCenter (device groups). Made by the main window; registers on
// construction and unregisters when it goes.
#include "apps/workstation/viewers/CCompanionFiles.h"

#include "host/adaptor/GuiDeviceCenter.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CNetworkBase;
class GuiRTCenter;
class QMdiArea;
class QStatusBar;
class QSize;
class QString;
class QWidget;
class TWFileSystem;

namespace workstation {

class CConfigViewer;
class CKeyedCompareViewer;
class CTableViewer;
class CWorkspaceUpdate;

class CHostViewers : public QObject {
    Q_OBJECT
public:
    CHostViewers(QMdiArea* mdiArea, QStatusBar* statusBar, QObject* parent = nullptr);
    ~CHostViewers() override;

    // Opens the file in a configuration viewer, or brings up the one already
    // showing it; line (1-based, 0 none) is made current. False, with the
    // reason said to the user, when the file cannot be shown.
    bool ViewConfig(const std::string& path, int line = 0, bool activate = true);
    // Starts the difference viewer on the configuration and the project's
    // configuration of the same device. network: the project, null for the open one.
    bool CompareConfig(const std::string& path, CNetworkBase* network);
    // Update to workspace: one device from one file, or each device from its
    // file in a folder.
    void UpdateConfig(const std::string& device, const std::string& path);
    void UpdateConfigs(const std::vector<std::string>& devices, const std::string& folder);

    bool ViewTable(const std::string& path, TableKind kind);
    // Compares the table by its keys with the current DataFolder's table of
    // kind for otherHost (empty: the table's own host), in a comparison window.
    bool CompareTable(const std::string& path, TableKind kind, const std::string& otherHost);
    // Two table files of one kind compared by their keys in a comparison
    // window (first the older), or the one already showing them brought up.
    // False, with the reason said to the user, when they cannot be compared.
    bool CompareTableFiles(const std::string& first, const std::string& second, const QString& title);
    // Two chosen tables of kind compared by their keys, first against second.
    bool CompareTables(const std::string& first, const std::string& second, TableKind kind);
    // The route-table viewer's mode for tables opened from now on.
    void SetSimulatedMode(bool simulated) { m_simulated = simulated; }
    bool SimulatedMode() const { return m_simulated; }
    // Open viewers of oldPath show newPath from now on.
    void FollowRename(const std::string& oldPath, const std::string& newPath);

    // Adds the devices to a group the user names (create) or picks.
    void DeviceGroup(const std::vector<GuiDeviceCenter::DeviceEntry>& devices, bool create);

    std::vector<CConfigViewer*> ConfigViewers() const;
    std::vector<CTableViewer*> TableViewers() const;
    std::vector<CKeyedCompareViewer*> CompareViewers() const;
    void ShowStatus(const std::string& text);

private:
    long OnConfigMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
    long OnTableMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
    template <class Viewer>
    std::vector<Viewer*> All() const;
    // The open viewer of that type showing path, brought up when activate; null when none.
    template <class Viewer>
    Viewer* Raise(const std::string& path, bool activate) const;
    // A new viewer of path in the MDI area; null, with the reason said to the
    // user, when it cannot show the file.
    template <class Viewer>
    Viewer* OpenNew(const std::string& path, const QString& title, const char* iconName, QSize size, bool activate);
    // Runs copy on a workspace update of the open project, then says what failed and what was done.
    void UpdateWorkspace(const std::function<void(CWorkspaceUpdate&)>& copy);
    // The viewer in a new sub-window of the MDI area.
    void AddWindow(QWidget* viewer, const QString& title, const char* iconName, QSize size, bool activate);
    QString ConfigTitle(const std::string& path) const;
    QString TableTitle(const std::string& path, TableKind kind) const;
    // " \u2014 <DataFolder>" of a file, as the titles end.
    QString DataFolderSuffix(const std::string& path) const;
    TWFileSystem* FileSystemOf(CNetworkBase* network) const;
    QWidget* Owner() const;

    QMdiArea* m_mdiArea;
    QStatusBar* m_statusBar;
    bool m_simulated = false;
    std::unique_ptr<GuiRTCenter> m_rtCenter;
    std::unique_ptr<GuiDeviceCenter> m_deviceCenter;
    GuiRTCenter* m_previousRTCenter = nullptr;
    GuiDeviceCenter* m_previousDeviceCenter = nullptr;
};

} // namespace workstation

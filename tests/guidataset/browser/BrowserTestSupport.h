#pragma once
// Shared by the browser tests: a temporary project with one DataFolder, the
// page machinery as the panel would build it, and recording stand-ins for
// every host receiver and service the pages reach.
#include "guidataset/browser/CSubDatasetBase.h"
#include "guidataset/browser/SubDatasetProvider.h"
#include "guidataset/browser/core/CDatafolderRows.h"
#include "guidataset/browser/core/CDatafolderTreeItems.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/PopupMenuTracker.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/adaptor/GuiDeviceCenter.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/adaptor/GuiMonitorCenter.h"
#include "host/adaptor/GuiRTCenter.h"
#include "host/adaptor/HostMessages.h"
#include "host/baseline/CBaseline.h"
#include "host/util/MessageDispatcher.h"
#include "host/util/TWFileSystem.h"
#include "support/ScopedProfile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/time.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace browsertest {

// One request that reached the host, with what its record said at the time.
struct HostCall {
    int receiver = -1;          // -1: dispatched by message number
    unsigned message = 0;
    std::string path;           // the file the request names
    std::string folder;         // 1121: the kind folder
    const void* network = nullptr;
    hostmsg::ConfigViewRequest view;           // 1087 (path copied into path)
    hostmsg::ConfigUpdateRequest update;       // 1092
    std::vector<GuiDeviceCenter::DeviceEntry> devices;   // 1121
    hostmsg::TableCompareRequest compare;      // 2949, 2950, 2952
};

class RecordingHost : public GuiRTCenter,
                      public GuiDeviceCenter,
                      public GuiMonitorCenter,
                      public GuiLiveAccessCenter {
public:
    RecordingHost()
    {
        MessageDispatcher& dispatcher = MessageDispatcher::Instance();
        for (int receiver : {hostmsg::kConfigViewerReceiver, hostmsg::kTableViewerReceiver})
            dispatcher.RegisterReceiver(receiver, [this, receiver](unsigned message, std::uintptr_t w, std::intptr_t l) {
                Record(receiver, message, w, l);
                return 1L;
            });
        dispatcher.RegisterMessageHandler(hostmsg::kViewRouteSummary,
                                          [this](unsigned message, std::uintptr_t w, std::intptr_t l) {
                                              Record(-1, message, w, l);
                                              return 1L;
                                          });
        GuiRTCenter::Install(this);
        GuiDeviceCenter::Install(this);
        GuiMonitorCenter::Install(this);
        GuiLiveAccessCenter::Install(this);
    }
    ~RecordingHost() override
    {
        MessageDispatcher& dispatcher = MessageDispatcher::Instance();
        dispatcher.UnRegisterReceiver(hostmsg::kConfigViewerReceiver);
        dispatcher.UnRegisterReceiver(hostmsg::kTableViewerReceiver);
        dispatcher.UnRegisterMessageHandler(hostmsg::kViewRouteSummary);
        GuiRTCenter::Install(nullptr);
        GuiDeviceCenter::Install(nullptr);
        GuiMonitorCenter::Install(nullptr);
        GuiLiveAccessCenter::Install(nullptr);
    }

    std::vector<HostCall> calls;
    // Route-table service, as "mode:", "open:", "compare:" and "renamed:" lines.
    std::vector<std::string> routeTables;
    struct Group {
        std::vector<GuiDeviceCenter::DeviceEntry> devices;
        bool create = false;
    };
    std::vector<Group> groups;
    std::vector<std::string> monitorViews;
    std::vector<std::string> accountingViews;

    void SetSimulatedMode(bool simulated) override { routeTables.push_back(simulated ? "mode:simulated" : "mode:live"); }
    void OpenRouteTable(const std::string& path, int, int) override { routeTables.push_back("open:" + path); }
    void CompareRouteTable(QWidget*, const std::string& path) override { routeTables.push_back("compare:" + path); }
    void OnRouteTableRenamed(const std::string& from, const std::string& to) override
    {
        routeTables.push_back("renamed:" + from + " -> " + to);
    }
    void DeviceGroup(const std::vector<DeviceEntry>& devices, bool create) override { groups.push_back({devices, create}); }
    bool SelectDevice(QWidget*, std::string&, int&, int, int) override { return false; }
    bool SelectDevices(QWidget*, const std::set<std::string>&, std::vector<DeviceEntry>&, int, int) override
    {
        return false;
    }
    void ViewMonitorData(const std::string& path) override { monitorViews.push_back(path); }
    void SetCurrentDataSetPath(const std::string&) override {}
    bool ExecuteCommand(const std::string&, const std::string&, const std::string&, QWidget*) override { return false; }
    bool IsRetrieving() override { return false; }
    void RetrieveLiveData(const std::string&, const std::string&, int) override {}
    void ViewIpAccounting(const std::string& path) override { accountingViews.push_back(path); }

private:
    static std::string Text(std::uintptr_t word) { return word ? reinterpret_cast<const char*>(word) : ""; }

    void Record(int receiver, unsigned message, std::uintptr_t w, std::intptr_t l)
    {
        HostCall call;
        call.receiver = receiver;
        call.message = message;
        switch (message) {
        case hostmsg::kViewConfig:
            call.view = *reinterpret_cast<const hostmsg::ConfigViewRequest*>(l);
            call.path = call.view.path ? call.view.path : "";
            call.view.path = nullptr;
            break;
        case hostmsg::kCompareConfig:
        case hostmsg::kViewRouteSummary:
            call.path = Text(w);
            call.network = reinterpret_cast<const void*>(l);
            break;
        case hostmsg::kUpdateConfig:
            call.update = *reinterpret_cast<const hostmsg::ConfigUpdateRequest*>(l);
            call.path = call.update.path;
            break;
        case hostmsg::kUpdateConfigs:
            call.devices = *reinterpret_cast<const std::vector<GuiDeviceCenter::DeviceEntry>*>(w);
            call.folder = Text(static_cast<std::uintptr_t>(l));
            break;
        case hostmsg::kViewArpTable:
        case hostmsg::kViewMacTable:
        case hostmsg::kViewCdpTable:
            call.path = Text(w);
            EXPECT_EQ(l, 0);
            break;
        case hostmsg::kCompareArpTable:
        case hostmsg::kCompareMacTable:
        case hostmsg::kCompareCdpTable:
            EXPECT_EQ(w, 0u);
            call.compare = *reinterpret_cast<const hostmsg::TableCompareRequest*>(l);
            call.path = call.compare.path;
            break;
        default:
            break;
        }
        calls.push_back(std::move(call));
    }
};

// Records each context menu and answers with the next queued command (0: dismissed).
class ScriptedMenus final : public IPopupMenuTracker {
public:
    ScriptedMenus() : m_previous(IPopupMenuTracker::Install(this)) {}
    ~ScriptedMenus() override { IPopupMenuTracker::Install(m_previous); }

    ScriptedMenus& Choose(int command)
    {
        m_answers.push_back(command);
        return *this;
    }
    int Track(const CPopupMenu& menu, ScreenPoint) override
    {
        shown.push_back(Describe(menu));
        ids.push_back(Ids(menu));
        if (m_answers.empty())
            return 0;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    // "View|Compare(off)|Device Group>[Add to ...(off)|Create ...]|-|Refresh|-|Delete"
    static std::string Describe(const CPopupMenu& menu)
    {
        std::string text;
        for (const CPopupMenu::Item& item : menu.Items()) {
            if (!text.empty())
                text += '|';
            switch (item.type) {
            case CPopupMenu::Item::Type::Separator: text += '-'; break;
            case CPopupMenu::Item::Type::SubMenu: text += item.text + ">[" + Describe(*item.subMenu) + "]"; break;
            case CPopupMenu::Item::Type::Command:
                text += item.text + (item.enabled ? "" : "(off)");
                break;
            }
        }
        return text;
    }

    // "8,9,16,17,12,15,11": the command ids in menu order, sub-menus included.
    static std::string Ids(const CPopupMenu& menu)
    {
        std::string text;
        for (const CPopupMenu::Item& item : menu.Items()) {
            std::string part;
            if (item.type == CPopupMenu::Item::Type::Command)
                part = std::to_string(item.id);
            else if (item.type == CPopupMenu::Item::Type::SubMenu)
                part = Ids(*item.subMenu);
            if (part.empty())
                continue;
            if (!text.empty())
                text += ',';
            text += part;
        }
        return text;
    }

    std::vector<std::string> shown;
    std::vector<std::string> ids;

private:
    std::deque<int> m_answers;
    IPopupMenuTracker* m_previous;
};

// A project "campus" with the DataFolder "Audit", opened; the selection,
// tree and provider the panel would build; a list of rows in memory.
class PageTest : public testing::Test {
protected:
    PageTest() : profile(temp / "profile.ini")
    {
        projectFolder = temp / "campus/";
        EXPECT_TRUE(TWFileSystem::CreateProject(projectFolder, "Campus"));
        EXPECT_TRUE(temp.MakeDir("campus/DataFolders/Audit"));
        dataFolder = projectFolder + "DataFolders/Audit/";
        EXPECT_TRUE(CBaseline::Open(projectFolder));
        selection.dataFolderPath = dataFolder;
        selection.workspaceFlag = 1;
        selection.network = CBaseline::Instance();
        selection.rowImageHolder = images;
    }
    ~PageTest() override { CBaseline::Close(); }

    // Writes a file of the DataFolder (relative to it) with a last-write time.
    void Put(const std::string& relPath, const std::string& bytes = "x", long mtime = 1700000000)
    {
        ASSERT_TRUE(temp.WriteFile("campus/DataFolders/Audit/" + relPath, bytes));
        const struct timeval times[2] = {{mtime, 0}, {mtime, 0}};
        ::utimes((dataFolder + relPath).c_str(), times);
    }
    bool Exists(const std::string& relPath) const { return temp.Exists("campus/DataFolders/Audit/" + relPath); }

    // The page of pageId on the in-memory list, columns set, filled with filter.
    CSubDatasetBase* Fill(int pageId, const std::string& filter = {})
    {
        CSubDatasetBase* page = provider.GetPage(pageId);
        if (!page)
            return nullptr;
        page->SetListCtrl(&rows, false);
        int layout = 0;
        bool flag = false;
        page->PrepareColumns(layout, flag);
        DatafolderDataDisplayContent content("Audit", "");
        content.dataFolderPath = dataFolder;
        content.rowImageHolder = images;
        content.provider = &provider;
        content.selection = &selection;
        content.menuFlag = 1;
        page->Fill(pageId, content, filter);
        return page;
    }
    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> cells;
        for (int row = 0; row < rows.GetItemCount(); ++row)
            cells.push_back(rows.GetItemText(row, column));
        return cells;
    }
    int RowOf(const std::string& hostCell, int column = 0) const
    {
        for (int row = 0; row < rows.GetItemCount(); ++row)
            if (rows.GetItemText(row, column) == hostCell)
                return row;
        return -1;
    }
    void Select(std::initializer_list<std::string> hostCells)
    {
        for (int row = 0; row < rows.GetItemCount(); ++row)
            rows.SetRowSelected(row, false);
        for (const std::string& cell : hostCells)
            rows.SetRowSelected(RowOf(cell), true);
    }

    twtest::TempDir temp;
    twtest::ScopedProfile profile;
    std::string projectFolder;
    std::string dataFolder;
    std::int32_t images[3] = {0, 0, 7};
    DatafolderSelection selection;
    CDatafolderTreeItems tree;
    SubDatasetProvider provider{&tree, &selection};
    CDatafolderRows rows;
};

} // namespace browsertest

// The host service singletons: an installed service is what Instance()
// reaches, Install(nullptr) brings back the default, and the defaults answer
// "nothing here" rather than pretending work was done.
#include "host/adaptor/GuiCenter.h"
#include "host/adaptor/GuiDeviceCenter.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/adaptor/GuiMapCenter.h"
#include "host/adaptor/GuiMonitorCenter.h"
#include "host/adaptor/GuiRTCenter.h"
#include "host/util/tagDataSetInfo.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Installs service for the test's lifetime and checks the install contract.
template <class Center>
class Installed {
public:
    explicit Installed(Center& service) : m_default(&Center::Instance())
    {
        EXPECT_EQ(Center::Install(&service), nullptr);
        EXPECT_EQ(&Center::Instance(), &service);
        m_service = &service;
    }
    ~Installed()
    {
        EXPECT_EQ(Center::Install(nullptr), m_service);
        EXPECT_EQ(&Center::Instance(), m_default);
    }

private:
    Center* m_default;
    Center* m_service = nullptr;
};

struct RecordingGuiCenter : GuiCenter {
    void OnCurrentDataSetChanged(const std::string& path, const std::vector<int>& kinds,
                                 bool reloadViews, int options) override
    {
        this->path = path;
        this->kinds = kinds;
        this->reloadViews = reloadViews;
        this->options = options;
    }
    bool IsRestrictedMode() override { return true; }
    std::string path;
    std::vector<int> kinds;
    bool reloadViews = false;
    int options = -1;
};

struct RecordingLiveAccess : GuiLiveAccessCenter {
    void SetCurrentDataSetPath(const std::string& path) override { current = path; }
    bool ExecuteCommand(const std::string& device, const std::string& command,
                        const std::string& resultPath, QWidget*) override
    {
        executed = device + "|" + command + "|" + resultPath;
        return true;
    }
    bool IsRetrieving() override { return true; }
    void RetrieveLiveData(const std::string& devices, const std::string& dataFolder,
                          int mode) override
    {
        retrieved = devices + "|" + dataFolder + "|" + std::to_string(mode);
    }
    void ViewIpAccounting(const std::string& path) override { ipAccounting = path; }
    std::string current, executed, retrieved, ipAccounting;
};

struct RecordingMapCenter : GuiMapCenter {
    void GetLinkedDataSets(std::vector<tagDataSetInfo*>& records) override
    {
        auto* record = new tagDataSetInfo;
        record->fullName = "/srv/linked/";
        record->briefName = "linked";
        record->itemType = kItemExternal;
        records.push_back(record);
    }
};

struct RecordingDeviceCenter : GuiDeviceCenter {
    void DeviceGroup(const std::vector<DeviceEntry>& devices, bool createGroup) override
    {
        grouped = devices;
        created = createGroup;
    }
    bool SelectDevice(QWidget*, std::string& hostName, int&, int filter, int) override
    {
        hostName = "core1";
        lastFilter = filter;
        return true;
    }
    bool SelectDevices(QWidget*, const std::set<std::string>& current,
                       std::vector<DeviceEntry>& chosen, int action, int) override
    {
        for (const auto& name : current)
            chosen.push_back({name, action});
        return true;
    }
    std::vector<DeviceEntry> grouped;
    bool created = false;
    int lastFilter = 0;
};

struct RecordingMonitorCenter : GuiMonitorCenter {
    void ViewMonitorData(const std::string& path) override { viewed = path; }
    std::string viewed;
};

struct RecordingRTCenter : GuiRTCenter {
    void SetSimulatedMode(bool simulated) override { calls += simulated ? "sim;" : "live;"; }
    void OpenRouteTable(const std::string& path, int, int) override { calls += "open " + path + ";"; }
    void CompareRouteTable(QWidget*, const std::string& path) override
    {
        calls += "compare " + path + ";";
    }
    void OnRouteTableRenamed(const std::string& oldPath, const std::string& newPath) override
    {
        calls += "rename " + oldPath + ">" + newPath + ";";
    }
    std::string calls;
};

} // namespace

TEST(HostCenters, GuiCenterReachesInstalledServiceWithArguments)
{
    EXPECT_FALSE(GuiCenter::Instance().IsRestrictedMode());
    RecordingGuiCenter recording;
    {
        Installed<GuiCenter> guard(recording);
        GuiCenter::Instance().OnCurrentDataSetChanged("/p/DataFolders/a/", {16, 17, 22}, true, 0);
        EXPECT_TRUE(GuiCenter::Instance().IsRestrictedMode());
    }
    EXPECT_EQ(recording.path, "/p/DataFolders/a/");
    EXPECT_EQ(recording.kinds, (std::vector<int>{16, 17, 22}));
    EXPECT_TRUE(recording.reloadViews);
    EXPECT_EQ(recording.options, 0);
    EXPECT_FALSE(GuiCenter::Instance().IsRestrictedMode());
}

TEST(HostCenters, LiveAccessReachesInstalledServiceAndDefaultRunsNothing)
{
    auto& fallback = GuiLiveAccessCenter::Instance();
    EXPECT_FALSE(fallback.ExecuteCommand("r1", "show arp", "/tmp/none", nullptr));
    EXPECT_FALSE(fallback.IsRetrieving());

    RecordingLiveAccess recording;
    {
        Installed<GuiLiveAccessCenter> guard(recording);
        auto& live = GuiLiveAccessCenter::Instance();
        live.SetCurrentDataSetPath("/p/DataFolders/b/");
        EXPECT_TRUE(live.ExecuteCommand("r1", "show arp", "/x/r1.txt", nullptr));
        EXPECT_TRUE(live.IsRetrieving());
        live.RetrieveLiveData("r1\nr2", "b", 2);
        live.ViewIpAccounting("/x/acct.txt");
    }
    EXPECT_EQ(recording.current, "/p/DataFolders/b/");
    EXPECT_EQ(recording.executed, "r1|show arp|/x/r1.txt");
    EXPECT_EQ(recording.retrieved, "r1\nr2|b|2");
    EXPECT_EQ(recording.ipAccounting, "/x/acct.txt");
}

TEST(HostCenters, MapCenterHandsOverRecordsAndDefaultHasNone)
{
    std::vector<tagDataSetInfo*> records;
    GuiMapCenter::Instance().GetLinkedDataSets(records);
    EXPECT_TRUE(records.empty());

    RecordingMapCenter recording;
    {
        Installed<GuiMapCenter> guard(recording);
        GuiMapCenter::Instance().GetLinkedDataSets(records);
    }
    ASSERT_EQ(records.size(), 1u);
    std::unique_ptr<tagDataSetInfo> owned(records.front());
    EXPECT_EQ(owned->fullName, "/srv/linked/");
    EXPECT_EQ(owned->itemType, kItemExternal);
}

TEST(HostCenters, DeviceCenterReachesInstalledServiceAndDefaultCancels)
{
    std::string host = "keep";
    int type = 0;
    std::vector<GuiDeviceCenter::DeviceEntry> chosen;
    EXPECT_FALSE(GuiDeviceCenter::Instance().SelectDevice(nullptr, host, type, 24, 0));
    EXPECT_FALSE(GuiDeviceCenter::Instance().SelectDevices(nullptr, {"a"}, chosen, 20, 0));
    EXPECT_EQ(host, "keep");
    EXPECT_TRUE(chosen.empty());

    RecordingDeviceCenter recording;
    {
        Installed<GuiDeviceCenter> guard(recording);
        auto& devices = GuiDeviceCenter::Instance();
        EXPECT_TRUE(devices.SelectDevice(nullptr, host, type, 26, 0));
        EXPECT_TRUE(devices.SelectDevices(nullptr, {"a", "b"}, chosen, 20, 0));
        devices.DeviceGroup({{"core1", 1021}}, true);
    }
    EXPECT_EQ(host, "core1");
    EXPECT_EQ(recording.lastFilter, 26);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[1].name, "b");
    ASSERT_EQ(recording.grouped.size(), 1u);
    EXPECT_EQ(recording.grouped[0].type, 1021);
    EXPECT_TRUE(recording.created);
}

TEST(HostCenters, MonitorAndRouteTableCentresReachInstalledServices)
{
    RecordingMonitorCenter monitor;
    RecordingRTCenter routes;
    {
        Installed<GuiMonitorCenter> monitorGuard(monitor);
        Installed<GuiRTCenter> routesGuard(routes);
        GuiMonitorCenter::Instance().ViewMonitorData("/d/Monitor/7/realtime/");
        auto& rt = GuiRTCenter::Instance();
        rt.SetSimulatedMode(true);
        rt.OpenRouteTable("/d/r1.ort", 0, 0);
        rt.CompareRouteTable(nullptr, "/d/r1.ort");
        rt.OnRouteTableRenamed("/d/r1.ort", "/d/r2.ort");
    }
    EXPECT_EQ(monitor.viewed, "/d/Monitor/7/realtime/");
    EXPECT_EQ(routes.calls, "sim;open /d/r1.ort;compare /d/r1.ort;rename /d/r1.ort>/d/r2.ort;");
}

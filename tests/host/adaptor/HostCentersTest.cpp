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

namespace {

// Installs a service and takes it out again, checking the install contract both ways.
template <class Center>
void ExpectInstallContract(Center& service)
{
    Center* fallback = &Center::Instance();
    EXPECT_EQ(Center::Install(&service), nullptr);
    EXPECT_EQ(&Center::Instance(), &service);
    EXPECT_EQ(Center::Install(nullptr), &service);
    EXPECT_EQ(&Center::Instance(), fallback);
}

struct StubGuiCenter : GuiCenter {
    void OnCurrentDataSetChanged(const std::string&, const std::vector<int>&, bool, int) override {}
    bool IsRestrictedMode() override { return true; }
};
struct StubLiveAccess : GuiLiveAccessCenter {
    void SetCurrentDataSetPath(const std::string&) override {}
    bool ExecuteCommand(const std::string&, const std::string&, const std::string&, QWidget*) override { return true; }
    bool IsRetrieving() override { return true; }
    void RetrieveLiveData(const std::string&, const std::string&, int) override {}
    void ViewIpAccounting(const std::string&) override {}
};
struct StubMapCenter : GuiMapCenter {
    void GetLinkedDataSets(std::vector<tagDataSetInfo*>&) override {}
};
struct StubDeviceCenter : GuiDeviceCenter {
    void DeviceGroup(const std::vector<DeviceEntry>&, bool) override {}
    bool SelectDevice(QWidget*, std::string&, int&, int, int) override { return true; }
    bool SelectDevices(QWidget*, const std::set<std::string>&, std::vector<DeviceEntry>&, int, int) override
    {
        return true;
    }
};
struct StubMonitorCenter : GuiMonitorCenter {
    void ViewMonitorData(const std::string&) override {}
};
struct StubRTCenter : GuiRTCenter {
    void SetSimulatedMode(bool) override {}
    void OpenRouteTable(const std::string&, int, int) override {}
    void CompareRouteTable(QWidget*, const std::string&) override {}
    void OnRouteTableRenamed(const std::string&, const std::string&) override {}
};

} // namespace

TEST(HostCenters, InstalledServiceIsReachedAndNullRestoresTheDefault)
{
    StubGuiCenter gui;
    StubLiveAccess live;
    StubMapCenter map;
    StubDeviceCenter devices;
    StubMonitorCenter monitor;
    StubRTCenter routes;
    ExpectInstallContract<GuiCenter>(gui);
    ExpectInstallContract<GuiLiveAccessCenter>(live);
    ExpectInstallContract<GuiMapCenter>(map);
    ExpectInstallContract<GuiDeviceCenter>(devices);
    ExpectInstallContract<GuiMonitorCenter>(monitor);
    ExpectInstallContract<GuiRTCenter>(routes);
}

TEST(HostCenters, DefaultsRestrictNothingRunNothingAndCancelChoosers)
{
    EXPECT_FALSE(GuiCenter::Instance().IsRestrictedMode());
    EXPECT_FALSE(GuiLiveAccessCenter::Instance().ExecuteCommand("r1", "show arp", "/tmp/none", nullptr));
    EXPECT_FALSE(GuiLiveAccessCenter::Instance().IsRetrieving());

    std::vector<tagDataSetInfo*> records;
    GuiMapCenter::Instance().GetLinkedDataSets(records);
    EXPECT_TRUE(records.empty());

    std::string host = "keep";
    int type = 0;
    std::vector<GuiDeviceCenter::DeviceEntry> chosen;
    EXPECT_FALSE(GuiDeviceCenter::Instance().SelectDevice(nullptr, host, type, 24, 0));
    EXPECT_FALSE(GuiDeviceCenter::Instance().SelectDevices(nullptr, {"a"}, chosen, 20, 0));
    EXPECT_EQ(host, "keep");
    EXPECT_TRUE(chosen.empty());
}

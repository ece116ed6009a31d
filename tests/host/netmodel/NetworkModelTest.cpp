#include "support/TempDir.h"

#include "host/baseline/CBaseline.h"
#include "host/netmodel/CHostName.h"
#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/L2NetworkInfo.h"
#include "host/netmodel/MacAddress.h"
#include "host/netmodel/TWDeviceBaseInfo.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/util/TWFileSystem.h"
#include "host/util/TWRoot.h"

#include <gtest/gtest.h>

namespace {

using twtest::TempDir;

// A project folder of its own, opened as the current project for the test.
class NetworkModelTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CBaseline::Open(m_dir.Path() + "proj", true)); }
    void TearDown() override { CBaseline::Close(); }

    std::string Project() const { return m_dir.Path() + "proj/"; }

    TempDir m_dir;
};

TEST_F(NetworkModelTest, DevicesSurviveReloadWithTypesAndInterfaces)
{
    GlobalNetworkInfo model;
    model.Load(Project());
    ASSERT_EQ(model.AddDevice("Core-R1", TW_DEVICE_ROUTER, TW_SUBTYPE_CISCO_IOS), GlobalNetworkInfo::Result::Ok);
    ASSERT_EQ(model.AddDevice("dist-sw1", TW_DEVICE_SWITCH), GlobalNetworkInfo::Result::Ok);
    ASSERT_EQ(model.AddDevice("edge-fw", TW_DEVICE_FIREWALL), GlobalNetworkInfo::Result::Ok);
    ASSERT_EQ(model.RemoveDevice("EDGE-FW"), GlobalNetworkInfo::Result::Ok);

    DeviceSetting* r1 = model.getDeviceSetting("core-r1");
    ASSERT_NE(r1, nullptr);
    EXPECT_TRUE(r1->setInterfaceMacAddress("Gi0/1", MacAddress("00:1A:2b:3c:4d:5e")));
    EXPECT_TRUE(r1->setInterfaceMacAddress("Gi0/2", MacAddress("001a.2b3c.4d5f")));
    EXPECT_TRUE(r1->saveToDB(nullptr, false, true));

    const std::string ini = m_dir.ReadFile("proj/Devices.ini");
    EXPECT_NE(ini.find("[Core-R1]\r\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("edge-fw"), std::string::npos);

    GlobalNetworkInfo reloaded;
    reloaded.Load(Project());
    ASSERT_EQ(reloaded.GetDevices().size(), 2u);
    EXPECT_EQ(reloaded.GetDevices()[0]->GetName(), "Core-R1");
    EXPECT_EQ(reloaded.GetDevices()[0]->GetDeviceType(), TW_DEVICE_ROUTER);
    EXPECT_EQ(reloaded.GetDevices()[0]->GetDeviceSubType(), TW_SUBTYPE_CISCO_IOS);
    EXPECT_EQ(reloaded.GetDevices()[1]->GetDeviceType(), TW_DEVICE_SWITCH);
    EXPECT_EQ(reloaded.getDeviceSetting("CORE-R1")->getInterfaceMacAddress("gi0/1"), "001a.2b3c.4d5e");
    EXPECT_EQ(reloaded.getDeviceSetting("CORE-R1")->getInterfaces().size(), 2u);
}

TEST_F(NetworkModelTest, SaveToDbReplacesInterfacesAndKeepsOtherDevices)
{
    GlobalNetworkInfo model;
    model.Load(Project());
    ASSERT_EQ(model.AddDevice("R1", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::Ok);
    ASSERT_EQ(model.AddDevice("R2", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::Ok);
    model.getDeviceSetting("R2")->setInterfaceMacAddress("Gi0/0", MacAddress("aabbccddeeff"));
    model.getDeviceSetting("R2")->saveToDB(nullptr, false, true);

    // A fresh model (a new session) rewrites R1's interfaces; R2 must stay intact.
    GlobalNetworkInfo session;
    session.Load(Project());
    DeviceSetting* r1 = session.getDeviceSetting("r1");
    r1->setInterfaceMacAddress("Gi0/1", MacAddress("0000.0000.0001"));
    ASSERT_TRUE(r1->saveToDB(nullptr, false, true));

    GlobalNetworkInfo check;
    check.Load(Project());
    EXPECT_EQ(check.getDeviceSetting("R1")->getInterfaceMacAddress("Gi0/1"), "0000.0000.0001");
    EXPECT_EQ(check.getDeviceSetting("R2")->getInterfaceMacAddress("Gi0/0"), "aabb.ccdd.eeff");
}

TEST_F(NetworkModelTest, RejectsBadNamesTypesAndDuplicatesIgnoringCase)
{
    GlobalNetworkInfo model;
    model.Load(Project());
    ASSERT_EQ(model.AddDevice("Core-R1", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::Ok);
    EXPECT_EQ(model.AddDevice("CORE-r1", TW_DEVICE_SWITCH), GlobalNetworkInfo::Result::Exists);
    for (const char* bad : {"", " R1", "R1 ", "a]b", "a=b", "R1(config)", "a\nb", "core r1", "a\tb", "r1#", "r1>"})
        EXPECT_EQ(model.AddDevice(bad, TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::BadName) << bad;
    EXPECT_EQ(model.AddDevice("R9", TW_DEVICE_UNKNOWN), GlobalNetworkInfo::Result::BadType);
    EXPECT_EQ(model.RemoveDevice("nope"), GlobalNetworkInfo::Result::NotFound);
    EXPECT_EQ(model.GetDevices().size(), 1u);
    EXPECT_EQ(model.GetDevice("core-r1", false), nullptr);
    ASSERT_NE(model.GetDevice("core-r1", true), nullptr);
    EXPECT_EQ(model.GetDevice("core-r1", true)->GetName(), "Core-R1");
}

TEST_F(NetworkModelTest, SavingInterfacesChangesOnlyThemOnTheInventoryOthersLeft)
{
    ASSERT_TRUE(m_dir.WriteFile("proj/Devices.ini", "[R1]\r\nType=router\r\n[R2]\r\nType=router\r\n"
                                                    "[core r9]\r\nType=router\r\n"));
    GlobalNetworkInfo import;   // an import's model, loaded before the others' changes
    import.Load(Project());
    EXPECT_NE(import.getDeviceSetting("core r9"), nullptr) << "stored before the stricter rule: still listed";

    GlobalNetworkInfo other;
    other.Load(Project());
    ASSERT_EQ(other.AddDevice("R3", TW_DEVICE_SWITCH), GlobalNetworkInfo::Result::Ok);
    ASSERT_EQ(other.RemoveDevice("R2"), GlobalNetworkInfo::Result::Ok);
    other.getDeviceSetting("R1")->setInterfaceMacAddress("Gi0/2", MacAddress("0000.0000.0002"));
    ASSERT_TRUE(other.getDeviceSetting("R1")->saveToDB(nullptr, false, true));
    EXPECT_EQ(import.AddDevice("r3", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::Exists);

    import.getDeviceSetting("R1")->setInterfaceMacAddress("Gi0/1", MacAddress("0000.0000.0001"));
    EXPECT_TRUE(import.getDeviceSetting("R1")->saveToDB(nullptr, false, true));
    import.getDeviceSetting("R2")->setInterfaceMacAddress("Gi0/1", MacAddress("0000.0000.0003"));
    EXPECT_FALSE(import.getDeviceSetting("R2")->saveToDB(nullptr, false, true)) << "removed meanwhile";

    GlobalNetworkInfo check;
    check.Load(Project());
    ASSERT_NE(check.getDeviceSetting("R3"), nullptr);
    EXPECT_EQ(check.getDeviceSetting("R3")->GetDeviceType(), TW_DEVICE_SWITCH);
    EXPECT_EQ(check.getDeviceSetting("R2"), nullptr);
    EXPECT_EQ(check.getDeviceSetting("R1")->getInterfaceMacAddress("Gi0/1"), "0000.0000.0001");
    EXPECT_EQ(check.getDeviceSetting("R1")->getInterfaceMacAddress("Gi0/2"), "0000.0000.0002");
}

TEST_F(NetworkModelTest, CorruptInventoryLoadsTheValidDevicesOnly)
{
    ASSERT_TRUE(m_dir.WriteFile("proj/Devices.ini",
                                "garbage line\r\n[R1]\r\nType=router\r\nIf.Gi0/1=not-a-mac\r\nIf.Gi0/2=aabb.ccdd.eeff\r\n"
                                "[NoType]\r\nSubType=ios\r\n[R1]\r\n[sw1]\r\nType=SWITCH\r\nOriName=Sw1-Cat\r\n[broken\r\n"));
    GlobalNetworkInfo model;
    model.Load(Project());
    ASSERT_EQ(model.GetDevices().size(), 2u);
    EXPECT_EQ(model.getDeviceSetting("R1")->getInterfaces().size(), 1u);
    ASSERT_NE(model.getL2NetworkInfo(), nullptr);
    const L2NetworkInfo::SwitchInfo* sw = model.getL2NetworkInfo()->getSwitchByOriName("SW1-CAT");
    ASSERT_NE(sw, nullptr);
    EXPECT_EQ(sw->name, "sw1");
    EXPECT_EQ(model.getL2NetworkInfo()->getSwitchByOriName("R1"), nullptr);
}

TEST_F(NetworkModelTest, UnwritableInventoryReportsWriteFailureAndKeepsModelConsistent)
{
    // A folder where the file should be: every replace of it fails, even for root.
    ASSERT_TRUE(m_dir.MakeDir("proj/Devices.ini"));
    GlobalNetworkInfo model;
    model.Load(Project());
    EXPECT_EQ(model.AddDevice("R1", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::WriteFailed);
    EXPECT_EQ(model.getDeviceSetting("R1"), nullptr);
    EXPECT_TRUE(model.GetDevices().empty());
}

TEST_F(NetworkModelTest, CurrentModelFollowsTheOpenProject)
{
    GlobalNetworkInfo* current = GetCurrentGNI();
    ASSERT_NE(current, nullptr);
    ASSERT_EQ(current->AddDevice("Core-R1", TW_DEVICE_ROUTER), GlobalNetworkInfo::Result::Ok);
    EXPECT_EQ(GetCurrentGNI(), current);

    EXPECT_EQ(CHostName::GetBackendHostName("core-r1(config-if)"), "Core-R1");
    EXPECT_EQ(CHostName::GetBackendHostName("CORE-R1 (config)"), "Core-R1");
    EXPECT_EQ(CHostName::GetBackendHostName("core-r1"), "Core-R1");
    EXPECT_EQ(CHostName::GetBackendHostName("core-r1(config-router)#"), "Core-R1");
    EXPECT_EQ(CHostName::GetBackendHostName("Core-r1> (enable)"), "Core-R1");
    EXPECT_EQ(CHostName::GetBackendHostName("unknown-r9"), "unknown-r9");
    EXPECT_EQ(CHostName::GetBackendHostName("unknown-r9(config)"), "unknown-r9");
    EXPECT_EQ(CHostName::GetDeviceName("CORE-R1"), "Core-R1");

    ASSERT_TRUE(CBaseline::Open(m_dir.Path() + "other", true));
    ASSERT_NE(GetCurrentGNI(), nullptr);
    EXPECT_EQ(GetCurrentGNI()->GetDevices().size(), 0u);
    EXPECT_EQ(CHostName::GetBackendHostName("core-r1(config-if)"), "core-r1");

    ASSERT_TRUE(CBaseline::Open(m_dir.Path() + "proj"));
    ASSERT_NE(GetCurrentGNI()->getDeviceSetting("core-r1"), nullptr);

    CBaseline::Close();
    EXPECT_EQ(GetCurrentGNI(), nullptr);
    EXPECT_EQ(CHostName::GetBackendHostName("core-r1(config)"), "core-r1");
}

TEST(MacAddressTest, ReadsTheDeviceSpellingsAndRefusesOthers)
{
    const std::string expected = "001a.2b3c.4d5e";
    for (const char* text : {"001a.2b3c.4d5e", "00:1A:2B:3C:4D:5E", "00-1a-2b-3c-4d-5e", "001A2B3C4D5E", " 001a.2b3c.4d5e "})
        EXPECT_EQ(MacAddress(text).ToString(), expected) << text;
    for (const char* text : {"", "001a.2b3c.4d5", "001a.2b3c.4d5g", "00:1a:2b:3c:4d-5e", "001a2.b3c.4d5e", "0:1a:2b:3c:4d:5e:"})
        EXPECT_FALSE(MacAddress(text).IsValid()) << text;
}

TEST(TWDeviceFactoryTest, ActionsAndIconsByType)
{
    for (int type : {TW_DEVICE_ROUTER, TW_DEVICE_SWITCH, TW_DEVICE_FIREWALL}) {
        EXPECT_TRUE(TWDeviceFactory::IsValidAction(type, TW_ACTION_COMPARE));
        EXPECT_TRUE(TWDeviceFactory::IsValidAction(type, TW_ACTION_SHOW_COMMAND));
        EXPECT_FALSE(TWDeviceFactory::IsValidAction(type, 9999));
        EXPECT_EQ(TWDeviceFactory::TypeFromText(TWDeviceFactory::TypeToText(type)), type);
        EXPECT_NE(TWDeviceFactory::GetIndexOfDeviceSubType(type), 0);
    }
    EXPECT_FALSE(TWDeviceFactory::IsValidAction(TW_DEVICE_UNKNOWN, TW_ACTION_COMPARE));
    EXPECT_EQ(TWDeviceFactory::GetIndexOfDeviceSubType(TW_DEVICE_UNKNOWN), 0);
    EXPECT_EQ(TWDeviceFactory::TypeFromText("Switch"), TW_DEVICE_SWITCH);
    EXPECT_EQ(TWDeviceFactory::TypeFromText("hub"), TW_DEVICE_UNKNOWN);
}

} // namespace

TEST(DeviceFactory, ConfigurationsNameTheirHostInEachFamilysWords)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("ios.config", "!\r\nversion 15.2\r\n  hostname core-r1  \r\n"));
    ASSERT_TRUE(dir.WriteFile("nx.config", "feature ospf\nswitchname nx-1\nhostname later\n"));
    ASSERT_TRUE(dir.WriteFile("cat.config", "set system name \"cat-a\"\n"));
    ASSERT_TRUE(dir.WriteFile("none.config", "interface Gi0/1\n hostnames are not here\nhostname\n"));
    const auto hostOf = [&](const std::string& file) {
        TWDeviceBaseInfo info;
        info.hostName = "stale";
        const bool found = TWDeviceFactory::ParserBaseInfoFromConfigFile(dir / file, info);
        EXPECT_EQ(found, !info.hostName.empty()) << file;
        return info.hostName;
    };
    EXPECT_EQ(hostOf("ios.config"), "core-r1");
    EXPECT_EQ(hostOf("nx.config"), "nx-1");   // the first naming line counts
    EXPECT_EQ(hostOf("cat.config"), "cat-a");
    EXPECT_EQ(hostOf("none.config"), "");
    EXPECT_EQ(hostOf("missing.config"), "");
}

TEST_F(NetworkModelTest, RootFindsTheProjectsDevicesByNodeNumber)
{
    ASSERT_TRUE(m_dir.WriteFile("proj/Devices.ini", "[Core-R1]\nType=router\n[dist-sw1]\nType=switch\n"));
    const TWGuid2 id = TWGuid2::FromNumber(TWRoot::NodeNumberOf("core-r1"));
    EXPECT_EQ(id.ToStringDec(), std::to_string(TWRoot::NodeNumberOf("CORE-R1")));
    EXPECT_EQ(TWGuid2::FromNumber(id.ToNumber()), id);
    const std::optional<TWNode> node = TWRoot::Instance().GetNode(id, TWGuid2::AllOnes());
    ASSERT_TRUE(node.has_value());
    EXPECT_EQ(node->name, "Core-R1");
    EXPECT_EQ(node->id, id);
    EXPECT_FALSE(TWRoot::Instance().GetNode(TWGuid2::FromNumber(1001), TWGuid2::AllOnes()));
    CBaseline::Close();
    EXPECT_FALSE(TWRoot::Instance().GetNode(id, TWGuid2::AllOnes()));
}

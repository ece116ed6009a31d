#include "host/liveaccess/CDiscoverSetting.h"
#include "host/netmodel/TWDeviceType.h"

#include <gtest/gtest.h>

namespace {

bool IsResult(const std::string& output, int subType = TW_SUBTYPE_CISCO_IOS)
{
    return CDiscoverSetting::Instance().IsCommandResult(subType, output);
}

TEST(CDiscoverSettingTest, AcceptsRealOutput)
{
    EXPECT_TRUE(IsResult("R1#show ip arp\nProtocol  Address  Age (min)  Hardware Addr  Type  Interface\n"));
    EXPECT_TRUE(IsResult("R1#show ip route\r\n\r\nCodes: C - connected\r\n"));
    // An error text further down belongs to the output, not to the command.
    EXPECT_TRUE(IsResult("R1#show run\nhostname R1\n% Invalid input is just text here\n"));
}

TEST(CDiscoverSettingTest, RefusesEmptyOutputAndCliErrors)
{
    EXPECT_FALSE(IsResult(""));
    EXPECT_FALSE(IsResult("R1#show ip route\n"));
    EXPECT_FALSE(IsResult("R1#show ip route\n\n   \n"));
    EXPECT_FALSE(IsResult("R1#show ip rout x\n                 ^\n% Invalid input detected at '^' marker.\n"));
    EXPECT_FALSE(IsResult("R1#show ip\n% Incomplete command.\n"));
    EXPECT_FALSE(IsResult("R1#show i\r\n% Ambiguous command:  \"show i\"\r\n"));
    EXPECT_FALSE(IsResult("R1#show foo\n% Unknown command or computer name\n"));
    EXPECT_FALSE(IsResult("nx1# show foo\n              ^\n% Invalid command at '^' marker.\n", TW_SUBTYPE_CISCO_NXOS));
    EXPECT_FALSE(IsResult("sw1> (enable) show foo\nUnknown command \"show foo\".  Use 'help' for more info.\n",
                          TW_SUBTYPE_CISCO_CATOS));
}

} // namespace

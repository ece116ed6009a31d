// The project's device groups on disk: what a change writes, what it keeps.
#include "support/TempDir.h"

#include "host/netmodel/CDeviceGroups.h"
#include "host/netmodel/TWDeviceType.h"

#include <gtest/gtest.h>

using Result = CDeviceGroups::Result;

TEST(DeviceGroups, ChangesKeepWhatTheyDoNotUnderstand)
{
    twtest::TempDir tmp;
    // A comment, a key outside any section and a line without '=' survive.
    ASSERT_TRUE(tmp.WriteFile("DeviceGroups.ini", "stray=1\n; lab\n[Core]\ncore-r1=router\nnote\n\n[Edge]\n"));
    CDeviceGroups groups(tmp.Path());
    int added = -1;
    EXPECT_EQ(groups.Add("EDGE", {{"fw1", TW_DEVICE_FIREWALL}, {"bad]name", TW_DEVICE_ROUTER}}, &added), Result::Ok);
    EXPECT_EQ(added, 1);
    EXPECT_EQ(groups.Add("core", {{"CORE-R1", TW_DEVICE_ROUTER}}, &added), Result::Ok);
    EXPECT_EQ(added, 0);
    EXPECT_EQ(tmp.ReadFile("DeviceGroups.ini"),
              "stray=1\r\n; lab\r\n[Core]\r\ncore-r1=router\r\nnote\r\n\r\n[Edge]\r\nfw1=firewall\r\n");

    const auto listed = groups.GetGroups();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].devices, (std::vector<std::string>{"core-r1"}));
    EXPECT_EQ(listed[1].devices, (std::vector<std::string>{"fw1"}));
    EXPECT_EQ(groups.Create(" core ", {{"r2", TW_DEVICE_ROUTER}}), Result::Exists);
    EXPECT_EQ(groups.Create("New", {{"bad=name", TW_DEVICE_ROUTER}}), Result::NoDevices);
    EXPECT_EQ(groups.Add("Lab", {{"r2", TW_DEVICE_ROUTER}}), Result::NotFound);
}

TEST(DeviceGroups, NameRules)
{
    EXPECT_EQ(CDeviceGroups::CheckName(" Core routers "), Result::Ok);
    EXPECT_EQ(CDeviceGroups::CheckName(" \t"), Result::EmptyName);
    for (const char* bad : {"a[b", "a]b", "a=b", ";a", "#a", "a\\b", "a/b", "a:b", "a*", "a?", "a\"b", "a<b", "a>b",
                            "a|b", "a\x01" "b"})
        EXPECT_EQ(CDeviceGroups::CheckName(bad), Result::BadName) << bad;
}

TEST(DeviceGroups, UnwritableProjectChangesNothing)
{
    twtest::TempDir tmp;
    // The file's place is taken by a folder: nothing can be renamed over it.
    ASSERT_TRUE(tmp.MakeDir("DeviceGroups.ini"));
    CDeviceGroups groups(tmp.Path());
    EXPECT_EQ(groups.Create("Core", {{"r1", TW_DEVICE_ROUTER}}), Result::WriteFailed);
    EXPECT_EQ(groups.Describe(Result::WriteFailed, "Core"),
              "The device groups in '" + tmp.Path() +
                  "DeviceGroups.ini' cannot be read or written (is the project folder read-only?); nothing was changed.");
}

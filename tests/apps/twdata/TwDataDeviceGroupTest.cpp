// "twdata device group": the project's device groups from scripts, run as
// the real executable.
#include "support/TempDir.h"
#include "TwdataRun.h"

#include <gtest/gtest.h>

#include <QStringList>

using twtest::RunTwdata;
using twtest::TempDir;

TEST(TwdataDeviceGroup, CreateAddAndList)
{
    TempDir tmp;
    const QString project = QString::fromStdString(tmp / "project");
    const auto on = [&](const QStringList& args) { return RunTwdata(QStringList{"-p", project} + args); };
    ASSERT_EQ(RunTwdata({"init", project}).status, 0);
    ASSERT_EQ(on({"device", "add", "core-r1"}).status, 0);
    ASSERT_EQ(on({"device", "add", "dist-sw1", "--type", "switch"}).status, 0);

    EXPECT_EQ(on({"device", "group"}).out, "");
    EXPECT_EQ(on({"device", "group", "create", "Core", "CORE-R1"}).status, 0);
    EXPECT_EQ(on({"device", "group", "add", "core", "dist-sw1", "core-r1"}).status, 0);
    const auto listed = on({"device", "group"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "Core\tcore-r1\nCore\tdist-sw1\n");

    // Refusals change nothing and say why.
    const std::string before = tmp.ReadFile("project/DeviceGroups.ini");
    auto refused = on({"device", "group", "add", "Core", "ghost"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "No device 'ghost' in this project; the device group is unchanged.\n");
    refused = on({"device", "group", "create", "core", "dist-sw1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "The device group 'Core' already exists.\n");
    refused = on({"device", "group", "create", "a=b", "dist-sw1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("can't include"), std::string::npos);
    refused = on({"device", "group", "add", "Edge", "dist-sw1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "There is no device group 'Edge' in this project.\n");
    EXPECT_EQ(tmp.ReadFile("project/DeviceGroups.ini"), before);
    EXPECT_EQ(on({"device", "group", "create", "Core2"}).status, 2);   // a group needs devices
}

#include "host/util/CGlobalSet.h"
#include "host/util/CConf.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using twtest::TempDir;

TEST(CGlobalSet, HostSettingsGoToTheChosenFileWhoseFolderIsMadeOnFirstUse)
{
    TempDir dir;
    CGlobalSet::Instance().SetConfFileName(dir / "profile/tarnwick/Workstation.ini");
    ASSERT_TRUE(CGlobalSet::Instance().GetConf().SetValue("L2Discover", "UseCacheDatainDiscover", "1"));
    EXPECT_EQ(twtest::ReadBytes(dir / "profile/tarnwick/Workstation.ini"), "[L2Discover]\r\nUseCacheDatainDiscover=1\r\n");
    CGlobalSet::Instance().SetConfFileName(""); // nothing left pointing into the removed folder
    EXPECT_FALSE(CGlobalSet::GetCurUser().empty());
}

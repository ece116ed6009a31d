#include "platform/qt/Profile.h"

#include "support/ScopedProfile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Profile, ValuesRoundTripThroughTheProfileFile)
{
    twtest::TempDir dir;
    {
        twtest::ScopedProfile profile(dir / "profile.ini");
        EXPECT_EQ(GetProfileString("DatafolderView", "LastFolder", "none"), "none");
        EXPECT_EQ(GetProfileInt("DatafolderView", "Width", 42), 42);

        EXPECT_TRUE(WriteProfileString("DatafolderView", "LastFolder", "/p/DataFolders/Local default/"));
        EXPECT_TRUE(WriteProfileInt("DatafolderView", "Width", -17));
        EXPECT_TRUE(WriteProfileString("DatafolderView", "Word", "abc"));
        EXPECT_TRUE(WriteProfileString("Other", "Width", "5"));

        EXPECT_EQ(GetProfileString("DatafolderView", "LastFolder"), "/p/DataFolders/Local default/");
        EXPECT_EQ(GetProfileInt("DatafolderView", "Width"), -17);
        EXPECT_EQ(GetProfileInt("DatafolderView", "Word", 9), 9);
        EXPECT_EQ(GetProfileInt("Other", "Width"), 5);
    }
    EXPECT_NE(dir.ReadFile("profile.ini").find("DatafolderView"), std::string::npos);

    // The same file read again later holds the values.
    twtest::ScopedProfile again(dir / "profile.ini");
    EXPECT_EQ(GetProfileInt("DatafolderView", "Width"), -17);
}

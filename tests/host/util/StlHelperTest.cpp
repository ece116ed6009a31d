#include "host/util/StlHelper.h"

#include <gtest/gtest.h>

TEST(StlHelper, ReplacesEveryOccurrenceOnceLeftToRight)
{
    std::string note = "a\x01--\x01" "b";
    EXPECT_EQ(StlHelper::replaceString(note, "\x01", "NOTE here:"), 2);
    EXPECT_EQ(note, "aNOTE here:--NOTE here:b");
    std::string grows = "xx", overlapping = "aaa";
    EXPECT_EQ(StlHelper::replaceString(grows, "x", "xx"), 2);
    EXPECT_EQ(grows, "xxxx");
    EXPECT_EQ(StlHelper::replaceString(overlapping, "aa", "b"), 1);
    EXPECT_EQ(overlapping, "ba");
    EXPECT_EQ(StlHelper::replaceString(overlapping, "", "x"), 0);
    EXPECT_EQ(overlapping, "ba");
}

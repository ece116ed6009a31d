#include "host/util/CMarkup.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using twtest::TempDir;

namespace {

TEST(CMarkup, NotXmlEmptyOrAFolderLoadsNothing)
{
    TempDir dir;
    for (const char* junk : {"this is not xml", "", "<DatasetDesc><IsLocked>True</DatasetDesc>"}) {
        twtest::WriteBytes(dir / "TheDataset.Desc", junk);
        CMarkup xml;
        EXPECT_FALSE(xml.Load(dir / "TheDataset.Desc")) << junk;
        EXPECT_EQ(xml.GetDoc(), "");
        EXPECT_FALSE(xml.FindElem());
    }
    EXPECT_FALSE(CMarkup().Load(dir / "missing.Desc"));
    EXPECT_FALSE(CMarkup().Load(dir / ""));
}

TEST(CMarkup, CursorFindsSiblingsInOrderAndAddsAfterTheCurrentOne)
{
    CMarkup xml;
    ASSERT_TRUE(xml.SetDoc("<R><A>1</A><B><X/></B><A>2</A></R>"));
    EXPECT_FALSE(xml.AddElem("Second")) << "one root only";
    ASSERT_TRUE(xml.FindElem("R"));
    ASSERT_TRUE(xml.IntoElem());
    ASSERT_TRUE(xml.FindElem("A"));
    EXPECT_EQ(xml.GetElemContent(), "1");
    ASSERT_TRUE(xml.FindElem("A")) << "continues after the current element";
    EXPECT_EQ(xml.GetElemContent(), "2");
    EXPECT_FALSE(xml.FindElem("A"));
    EXPECT_EQ(xml.GetElemContent(), "2") << "a failed find keeps the position";

    xml.ResetPos();
    ASSERT_TRUE(xml.FindElem() && xml.IntoElem() && xml.FindElem());
    EXPECT_EQ(xml.GetTagName(), "A");
    ASSERT_TRUE(xml.AddElem("New", "n"));
    ASSERT_TRUE(xml.FindElem());
    EXPECT_EQ(xml.GetTagName(), "B");
    EXPECT_EQ(xml.GetElemContent(), "<X/>");
    ASSERT_TRUE(xml.OutOfElem());
    EXPECT_EQ(xml.GetTagName(), "R");
    EXPECT_FALSE(xml.OutOfElem());
    EXPECT_EQ(xml.GetDoc(), "<R><A>1</A><New>n</New><B><X/></B><A>2</A></R>");
}

} // namespace

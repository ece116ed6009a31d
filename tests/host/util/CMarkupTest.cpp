#include "host/util/CMarkup.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using twtest::TempDir;

namespace {

// The lock writer's walk over a descriptor: find or add the root, step in,
// find or add IsLocked, set its text, save.
void WriteLock(const std::string& file, bool locked)
{
    CMarkup xml;
    xml.Load(file);
    if (!xml.FindElem("DatasetDesc"))
        xml.AddElem("DatasetDesc");
    xml.IntoElem();
    if (!xml.FindElem("IsLocked"))
        xml.AddElem("IsLocked");
    xml.SetElemContent(locked ? "True" : "False");
    xml.Save(file);
}

std::string ReadLock(const std::string& file)
{
    CMarkup xml;
    if (xml.Load(file) && xml.FindElem("DatasetDesc") && xml.IntoElem() && xml.FindElem("IsLocked"))
        return xml.GetElemContent();
    return "<none>";
}

TEST(CMarkup, BuiltFromScratchSavesTheExactCompactText)
{
    TempDir dir;
    CMarkup xml;
    ASSERT_TRUE(xml.AddElem("DatasetDesc"));
    ASSERT_TRUE(xml.IntoElem());
    ASSERT_TRUE(xml.AddElem("Creater", "u"));
    ASSERT_TRUE(xml.AddElem("IsLocked", "True"));
    ASSERT_TRUE(xml.Save(dir / "TheDataset.Desc"));
    EXPECT_EQ(twtest::ReadBytes(dir / "TheDataset.Desc"),
              "<DatasetDesc><Creater>u</Creater><IsLocked>True</IsLocked></DatasetDesc>");
}

TEST(CMarkup, LockWriterKeepsOtherElementsInPlaceAndOrder)
{
    TempDir dir;
    const std::string file = dir / "TheDataset.Desc";
    twtest::WriteBytes(file, "<DatasetDesc><Creater>ann</Creater><Desc>a\xE2\x82\xAC&amp;b</Desc></DatasetDesc>");
    WriteLock(file, true);
    WriteLock(file, false);
    EXPECT_EQ(ReadLock(file), "False");
    EXPECT_EQ(twtest::ReadBytes(file),
              "<DatasetDesc><Creater>ann</Creater><Desc>a\xE2\x82\xAC&amp;b</Desc><IsLocked>False</IsLocked></DatasetDesc>");
}

TEST(CMarkup, NotXmlOrMissingFileLoadsEmptyAndIsReplacedByAFreshDescriptor)
{
    TempDir dir;
    const std::string file = dir / "TheDataset.Desc";
    for (const char* junk : {"this is not xml", "", "<DatasetDesc><IsLocked>True</DatasetDesc>"}) {
        twtest::WriteBytes(file, junk);
        CMarkup xml;
        EXPECT_FALSE(xml.Load(file)) << junk;
        EXPECT_EQ(xml.GetDoc(), "");
        EXPECT_FALSE(xml.FindElem());
    }
    WriteLock(file, true);
    EXPECT_EQ(twtest::ReadBytes(file), "<DatasetDesc><IsLocked>True</IsLocked></DatasetDesc>");
    EXPECT_EQ(ReadLock(dir / "missing.Desc"), "<none>");
    EXPECT_FALSE(CMarkup().Load(dir / "")) << "a folder is not a descriptor";
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

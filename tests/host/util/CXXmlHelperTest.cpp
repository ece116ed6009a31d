#include "host/util/CXXmlHelper.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using twtest::TempDir;

namespace {

TEST(CXXmlHelper, DescriptionSaveOnAMissingFileWritesOnlyTheDescription)
{
    TempDir dir;
    const std::string file = dir / "TheDataset.Desc";
    CXXmlHelper xml;
    ASSERT_FALSE(xml.Load(file));
    CXXmlHelper::Node root = xml.CreateNode("DatasetDesc");
    ASSERT_TRUE(root);
    CXXmlHelper::Node desc = xml.GetNode(root, "Desc", true);
    ASSERT_TRUE(xml.SetValue(desc, "line one\bline two"));
    ASSERT_TRUE(xml.Save(file));
    EXPECT_EQ(twtest::ReadBytes(file), "<DatasetDesc><Desc>line one\bline two</Desc></DatasetDesc>");

    CXXmlHelper again;
    ASSERT_TRUE(again.Load(file));
    EXPECT_EQ(again.GetValue(again.GetChildNode(again.GetChildNode({}, "DatasetDesc"), "Desc")),
              "line one\bline two");
}

TEST(CXXmlHelper, GetAndSetKeepTheOtherElements)
{
    TempDir dir;
    const std::string file = dir / "TheDataset.Desc";
    twtest::WriteBytes(file, "<DatasetDesc><Creater>ann</Creater><Desc>old</Desc><IsLocked>True</IsLocked></DatasetDesc>");
    CXXmlHelper xml;
    ASSERT_TRUE(xml.Load(file));
    CXXmlHelper::Node root = xml.GetChildNode({}, "DatasetDesc");
    EXPECT_EQ(xml.GetValue(xml.GetChildNode(root, "Creater")), "ann");
    EXPECT_FALSE(xml.GetChildNode(root, "CreateTime"));
    EXPECT_FALSE(xml.GetNode(root, "CreateTime", false));
    EXPECT_EQ(xml.GetValue(xml.GetChildNode(root, "Task")), "");

    ASSERT_TRUE(xml.SetValue(xml.GetNode(root, "Desc", true), "new"));
    ASSERT_TRUE(xml.Save(file));
    EXPECT_EQ(twtest::ReadBytes(file),
              "<DatasetDesc><Creater>ann</Creater><Desc>new</Desc><IsLocked>True</IsLocked></DatasetDesc>");
}

TEST(CXXmlHelper, NullOrForeignNodesAreRefused)
{
    CXXmlHelper xml, other;
    CXXmlHelper::Node foreign = other.CreateNode("DatasetDesc");
    EXPECT_FALSE(xml.SetValue({}, "x"));
    EXPECT_FALSE(xml.SetValue(foreign, "x"));
    EXPECT_FALSE(xml.GetNode(foreign, "Desc", true));
    EXPECT_FALSE(xml.CreateNode("bad name"));
    ASSERT_TRUE(xml.CreateNode("DatasetDesc"));
    EXPECT_FALSE(xml.GetNode({}, "Other", true)) << "a document has one root";
}

} // namespace

#include "guidataset/dialogs/core/DatasetDescContent.h"

#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "host/util/CFileLock.h"
#include "host/util/CXXmlHelper.h"

namespace {

constexpr const char* kRoot = "DatasetDesc";

} // namespace

DatasetDescContent ReadDatasetDescContent(const std::string& descriptorPath)
{
    DatasetDescContent content;
    CXXmlHelper xml;
    if (!xml.Load(descriptorPath))
        return content;
    const CXXmlHelper::Node root = xml.GetChildNode(CXXmlHelper::Node(), kRoot);
    if (!root)
        return content;
    if (const CXXmlHelper::Node node = xml.GetChildNode(root, "Creater"))
        content.creator = xml.GetValue(node);
    content.createTime = xml.GetValue(xml.GetChildNode(root, "CreateTime"));
    content.application = xml.GetValue(xml.GetChildNode(root, "Application"));
    content.task = xml.GetValue(xml.GetChildNode(root, "Task"));
    content.description = DescriptionFromStored(xml.GetValue(xml.GetChildNode(root, "Desc")));
    return content;
}

bool SaveDatasetDescription(const std::string& descriptorPath, const std::string& text)
{
    // Read and written under the descriptor's lock: a lock flag set by another
    // process at the same time is kept.
    CFileLock lock(descriptorPath);
    if (!lock.Locked())
        return false;
    CXXmlHelper xml;
    const CXXmlHelper::Node root = xml.Load(descriptorPath)
                                       ? xml.GetChildNode(CXXmlHelper::Node(), kRoot)
                                       : xml.CreateNode(kRoot);
    if (!root)
        return false;
    const CXXmlHelper::Node desc = xml.GetNode(root, "Desc", true);
    if (!desc || !xml.SetValue(desc, DescriptionToStored(text)))
        return false;
    if (!xml.Save(descriptorPath))
        return false;
    lock.Written();
    return true;
}

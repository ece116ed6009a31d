#include "guidataset/compare/core/CompareChoiceRecord.h"

#include "guidataset/dataset/core/CurrentDataSetRecord.h"
#include "host/util/CConf.h"
#include "host/util/TWFileSystem.h"

CompareChoiceRecord::CompareChoiceRecord()
{
    const std::string folder = TWFileSystem::GetCurrentBaselineFolder();
    if (!folder.empty())
        m_file = folder + kDataSetRecordFileName;
}

std::string CompareChoiceRecord::Read(const std::string& key) const
{
    if (m_file.empty() || key.empty())
        return {};
    CConf conf(m_file);
    char buffer[kRememberedNameBytes + 1] = {};
    conf.GetStringValue(kDataSetRecordSection, key, buffer, static_cast<int>(kRememberedNameBytes));
    return buffer;
}

bool CompareChoiceRecord::Write(const std::string& key, const std::string& name) const
{
    if (m_file.empty() || key.empty())
        return false;
    CConf conf(m_file);
    return conf.SetValue(kDataSetRecordSection, key, name);
}

std::string CutRememberedName(const std::string& name)
{
    return name.size() > kRememberedNameBytes ? name.substr(0, kRememberedNameBytes) : name;
}

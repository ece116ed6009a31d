#include "guidataset/dataset/core/CurrentDataSetRecord.h"

#include "host/util/CConf.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"

namespace {

// The registry was asked with a fixed 512-byte name buffer.
constexpr std::size_t kMaxLookupNameLength = 511;

} // namespace

bool WriteCurrentDataSetRecord(const std::string& name, TWDataSet* registry, std::string& path)
{
    path = registry ? registry->GetDataSetPath(name.substr(0, kMaxLookupNameLength)) : std::string();
    const std::string folder = TWFileSystem::GetCurrentBaselineFolder();
    if (folder.empty())
        return false;   // a relative "TWDataSet.ini" would land in the working folder

    CConf conf(folder + kDataSetRecordFileName);
    const bool current = conf.SetValue(kDataSetRecordSection, "Current", name);
    const bool currentPath = conf.SetValue(kDataSetRecordSection, "CurrentPath", path);
    return current && currentPath;
}

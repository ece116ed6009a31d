#include "guidataset/dataset/core/CurrentDataSetRecord.h"

#include "host/util/CConf.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"

namespace {

// The registry was asked with a fixed 512-byte name buffer.
constexpr std::size_t kMaxLookupNameLength = 511;

} // namespace

bool WriteCurrentDataSetRecord(const std::string& name)
{
    const std::string folder = TWFileSystem::GetCurrentBaselineFolder();
    if (folder.empty())
        return false;

    CConf conf(folder + kDataSetRecordFileName);
    bool ok = conf.SetValue(kDataSetRecordSection, "Current", name);

    std::string path;
    if (TWFileSystem* fileSystem = GetCurrBaselineFileSystem()) {
        if (TWDataSet* dataSet = fileSystem->GetDataSet())
            path = dataSet->GetDataSetPath(name.substr(0, kMaxLookupNameLength));
    }
    ok = conf.SetValue(kDataSetRecordSection, "CurrentPath", path) && ok;
    return ok;
}

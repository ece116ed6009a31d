#include "guidataset/dataset/core/CurrentDataSetRecord.h"

#include "host/util/CConf.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/Paths.h"

#include <strings.h>

#include <memory>
#include <vector>

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

    // Both values in one locked change: a choice already recorded writes nothing.
    CConf conf(folder + kDataSetRecordFileName);
    return conf.Edit([&](CConf& locked) {
        const bool current = locked.SetValue(kDataSetRecordSection, "Current", name);
        const bool currentPath = locked.SetValue(kDataSetRecordSection, "CurrentPath", path);
        return current && currentPath;
    });
}

std::string RecordedCurrentPath()
{
    const std::string folder = TWFileSystem::GetCurrentBaselineFolder();
    if (folder.empty())
        return {};
    const CConf conf(folder + kDataSetRecordFileName);
    const std::string recorded = conf.GetValue(kDataSetRecordSection, "CurrentPath");
    return recorded.empty() ? recorded : platform::StripTrailingSeparators(recorded);
}

bool RecordAwaitsUnavailableLink(const TWDataSet& registry)
{
    const std::string recorded = RecordedCurrentPath();
    if (recorded.empty())
        return false;
    std::vector<tagDataSetInfo*> raw;
    registry.GetAllDataSets(raw, true);
    bool awaits = false;
    for (tagDataSetInfo* record : raw) {
        std::unique_ptr<tagDataSetInfo> owned(record);
        awaits = awaits ||
                 (TWDataSet::IsUnavailable(*owned) && strcasecmp(owned->fullName.c_str(), recorded.c_str()) == 0);
    }
    return awaits;
}

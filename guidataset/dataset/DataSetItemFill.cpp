#include "guidataset/dataset/DataSetItemFill.h"

#include "host/baseline/CNetworkBase.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"

#include <cctype>
#include <memory>
#include <vector>

bool SameDataSetName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

tagDataSetInfo* MakeItemRecord(const std::string& text, int type, CNetworkBase* network)
{
    auto* record = new tagDataSetInfo;
    record->briefName = text;
    record->fullName = text;
    record->itemType = type;
    record->network = network;
    return record;
}

TWDataSet* RegistryOf(CNetworkBase* network)
{
    TWFileSystem* fileSystem = network ? network->GetFileSystem() : nullptr;
    return fileSystem ? fileSystem->GetDataSet() : nullptr;
}

tagDataSetInfo* TakeRegisteredRecord(CNetworkBase* network, const std::string& name)
{
    TWDataSet* registry = RegistryOf(network);
    if (!registry)
        return nullptr;
    std::vector<tagDataSetInfo*> records;
    registry->GetAllDataSets(records, true);
    tagDataSetInfo* found = nullptr;
    for (tagDataSetInfo* raw : records) {
        std::unique_ptr<tagDataSetInfo> record(raw);
        if (!found && SameDataSetName(record->fullName, name)) {
            record->network = network;
            found = record.release();
        }
    }
    return found;
}

std::string ShownName(const tagDataSetInfo& record)
{
    return record.briefName.empty() ? record.fullName : record.briefName;
}

int FillDataSetItems(DataSetItemSink& sink, CNetworkBase* network, const char* current,
                     bool limitToEight, bool withNew)
{
    TWDataSet* registry = RegistryOf(network);
    if (!registry)
        return -1;

    std::string currentPath = registry->GetCurrentDataSet();
    if (current && *current)
        currentPath = current;
    const std::string currentName = registry->GetDatasetName(currentPath);

    std::vector<tagDataSetInfo*> records;
    registry->GetAllDataSets(records, true);

    int selected = -1;
    int others = 0;
    for (tagDataSetInfo* raw : records) {
        std::unique_ptr<tagDataSetInfo> record(raw);
        record->network = network;
        const std::string text = ShownName(*record);
        if (selected < 0 && !currentName.empty() && SameDataSetName(record->fullName, currentName)) {
            selected = sink.AppendItem(text, record.release());
            continue;
        }
        if (limitToEight && others >= kMaxOtherDataSets)
            continue;   // record freed here
        sink.AppendItem(text, record.release());
        ++others;
    }
    if (withNew)
        sink.AppendItem(kNewItemText, MakeItemRecord(kNewItemText, kItemNew, network));
    if (limitToEight && others == kMaxOtherDataSets)
        sink.AppendItem(kMoreItemText, MakeItemRecord(kMoreItemText, kItemMore, network));

    if (selected < 0 && sink.ItemCount() > 0)
        selected = 0;
    if (selected >= 0)
        sink.SelectItem(selected);
    return selected;
}

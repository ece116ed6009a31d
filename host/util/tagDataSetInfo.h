#pragma once
// One DataFolder as the registry lists it; pickers keep one per item and own it.
#include "platform/core/FileTimes.h"

#include <cstdint>
#include <string>

class CNetworkBase;

struct tagDataSetInfo {
    std::int32_t reserved = 0;
    std::string briefName;              // text shown in a picker
    platform::FileTime createTime = 0;
    platform::FileTime updateTime = 0;
    std::string fullName;               // the key; a linked outside DataFolder's folder path
    std::int32_t itemType = 0;          // 2 project, 3 linked outside, 4/5/6 picker entries
    CNetworkBase* network = nullptr;
};

// Item types the registry and the pickers use.
enum DataSetItemType : std::int32_t {
    kItemProject = 2,
    kItemExternal = 3,
    kItemNoNetwork = 4,
    kItemNew = 5,
    kItemMore = 6,
};

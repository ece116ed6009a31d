#pragma once
// What a picker shows: item texts and the records behind them.
#include "host/guiutil/CComboBoxTip.h"
#include "host/util/tagDataSetInfo.h"

#include <string>
#include <vector>

namespace twtest {

inline std::vector<std::string> ItemTexts(const CComboBoxTip& combo)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo.GetCount(); ++i)
        texts.push_back(combo.GetLBText(i));
    return texts;
}

inline std::vector<int> ItemTypes(const CComboBoxTip& combo)
{
    std::vector<int> types;
    for (int i = 0; i < combo.GetCount(); ++i) {
        const tagDataSetInfo* record = combo.GetItemRecord(i);
        types.push_back(record ? record->itemType : -1);
    }
    return types;
}

} // namespace twtest

#include "guidataset/compare/core/CompareTableChoices.h"

#include "host/util/CTWRTPath.h"
#include "platform/core/FileTimes.h"

#include <strings.h>

std::string CompareTableLabel(const CRTItem& table)
{
    return table.qualifier.empty() ? table.label : table.label + " " + table.qualifier;
}

CompareTableChoices ListCompareTables(const std::string& dataFolderPath, const std::string& host, int kind,
                                      std::string& preselect)
{
    CompareTableChoices choices;
    if (host.empty())
        return choices;
    std::vector<CRTItem> tables;
    CTWRTPath::GetAllRTInDataSet(nullptr, tables, dataFolderPath, host, true, kind);
    if (kind == CTWRTPath::kRouteTable)
        CTWRTPath::GetAllRTInDataSet(nullptr, tables, dataFolderPath, host, true, CTWRTPath::kSimulatedRouteTable);
    for (const CRTItem& table : tables) {
        const std::string label = CompareTableLabel(table);
        std::string text = label + " " + platform::FormatLocalTime(table.time, "%Y-%m-%d %H:%M:%S");
        if (!preselect.empty() && ::strcasecmp(label.c_str(), preselect.c_str()) == 0) {
            choices.preselected = static_cast<int>(choices.texts.size());
            preselect.clear();
        }
        choices.paths.emplace(text, table.path);
        choices.texts.push_back(std::move(text));
    }
    return choices;
}

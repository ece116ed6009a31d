#include "guidataset/dialogs/core/RouteTableRows.h"

#include "guidataset/dataset/core/DataKindFiles.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FileTimes.h"

namespace {

constexpr const char* kDefaultLiveName = "default-live";

std::vector<std::string> SplitAtDollar(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dollar = text.find('$', start);
        parts.push_back(text.substr(start, dollar == std::string::npos ? std::string::npos
                                                                       : dollar - start));
        if (dollar == std::string::npos)
            return parts;
        start = dollar + 1;
    }
}

} // namespace

RouteTableName ParseRouteTableFileName(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    const std::vector<std::string> parts = SplitAtDollar(stem);

    RouteTableName result;
    result.host = CFileName::FromSysFileName(parts[0]);
    if (parts.size() <= 2) {
        result.name = kDefaultLiveName;
        if (parts.size() == 2)
            result.qualifier = CFileName::FromSysFileName(parts[1]);
        return result;
    }
    result.name = CFileName::FromSysFileName(parts[1]);
    // Anything after a third '$' belongs to the qualifier.
    std::string qualifier = parts[2];
    for (std::size_t i = 3; i < parts.size(); ++i)
        qualifier += '$' + parts[i];
    result.qualifier = CFileName::FromSysFileName(qualifier);
    return result;
}

std::vector<RouteTableRow> ListRouteTableRows(const std::string& folder)
{
    std::vector<platform::DirEntry> entries;
    ListDataKindFiles(entries, folder, kKindLiveRouteTable, {});
    std::vector<RouteTableRow> rows;
    rows.reserve(entries.size());
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const RouteTableName parsed = ParseRouteTableFileName(it->name);
        RouteTableRow row;
        row.hostname = parsed.qualifier.empty() ? parsed.host : parsed.host + ' ' + parsed.qualifier;
        row.name = parsed.name;
        row.executionTime = platform::FormatLocalTime(it->lastWriteTime, "%Y-%m-%d %H:%M");
        rows.push_back(std::move(row));
    }
    return rows;
}

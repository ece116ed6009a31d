#include "guidataset/dialogs/core/RouteTableRows.h"

#include "guidataset/dataset/core/DataKindFiles.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FileTimes.h"

namespace {

constexpr const char* kDefaultLiveName = "default-live";

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A '%' not followed by two hex digits is kept as it is.
std::string DecodePart(const std::string& part)
{
    std::string out;
    out.reserve(part.size());
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '%' && i + 2 < part.size()) {
            const int high = HexValue(part[i + 1]);
            const int low = HexValue(part[i + 2]);
            if (high >= 0 && low >= 0) {
                out.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out.push_back(part[i]);
    }
    return out;
}

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
    result.host = DecodePart(parts[0]);
    if (parts.size() <= 2) {
        result.name = kDefaultLiveName;
        if (parts.size() == 2)
            result.qualifier = DecodePart(parts[1]);
        return result;
    }
    result.name = DecodePart(parts[1]);
    // Anything after a third '$' belongs to the qualifier.
    std::string qualifier = parts[2];
    for (std::size_t i = 3; i < parts.size(); ++i)
        qualifier += '$' + parts[i];
    result.qualifier = DecodePart(qualifier);
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

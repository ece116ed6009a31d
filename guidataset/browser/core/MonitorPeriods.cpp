#include "guidataset/browser/core/MonitorPeriods.h"

#include "platform/core/DirEntry.h"
#include "platform/core/FileTimes.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

#include <cstdint>
#include <cstdio>

namespace {

// As the C library's atoll: an optional sign and the leading digits; no digits read as 0.
std::int64_t LeadingNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > (INT64_MAX - 9) / 10)
            break;   // an absurd number of seconds: keep what fits
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace

std::string MonitorPeriodDisplay(const std::string& folderName, MonitorPeriod::Kind* kind)
{
    MonitorPeriod::Kind found = MonitorPeriod::kTimed;
    std::string display;
    if (folderName == "realtime") {
        found = MonitorPeriod::kCurrent;
        display = "Current Real-time Data";
    } else if (folderName == "last_realtime") {
        found = MonitorPeriod::kLast;
        display = "Last Real-time Data";
    } else if (!folderName.empty() && folderName[0] == '_') {
        found = MonitorPeriod::kNamed;
        display = folderName.substr(1);
    } else {
        const std::size_t dash = folderName.find('-');
        const std::int64_t start = LeadingNumber(folderName.substr(0, dash));
        const std::int64_t end = dash == std::string::npos ? start : LeadingNumber(folderName.substr(dash + 1));
        const std::int64_t seconds = end - start;
        const long long hours = seconds / 3600;
        const long long minutes = (seconds % 3600) / 60;
        display = platform::FormatLocalTime(start * 1000000000LL, "%b/%d/%Y %H:%M:%S ");
        char length[96];
        std::snprintf(length, sizeof length, "%lld hour%s %lld min%s", hours, hours < 2 ? "" : "s",
                      minutes, minutes < 2 ? "" : "s");
        display += length;
    }
    if (kind)
        *kind = found;
    return display;
}

std::vector<MonitorPeriod> ListMonitorPeriods(const std::string& folder)
{
    std::vector<MonitorPeriod> periods;
    if (folder.empty())
        return periods;
    platform::FindFiles(platform::JoinPath(folder, "*.*"), [&](const platform::DirEntry& entry) {
        if (entry.name == "." || entry.name == ".." || !entry.IsDirectory())
            return true;
        MonitorPeriod period;
        period.folderName = entry.name;
        period.display = MonitorPeriodDisplay(entry.name, &period.kind);
        period.path = platform::WithTrailingSlash(platform::JoinPath(folder, entry.name));
        periods.push_back(std::move(period));
        return true;
    });
    return periods;
}

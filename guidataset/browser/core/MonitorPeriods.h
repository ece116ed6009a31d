#pragma once
// The monitoring periods of one device: one sub-folder of the device's
// monitor folder per period.
#include <string>
#include <vector>

struct MonitorPeriod {
    enum Kind { kCurrent = 0, kLast = 1, kTimed = 2, kNamed = 3 };
    Kind kind = kTimed;
    std::string path;         // the period's folder, ending in '/'
    std::string display;      // what the tree shows for it
    std::string folderName;   // the sub-folder's name
};

// "realtime" is the current period, "last_realtime" the last one, "_name" a
// named one (shown without the '_'), and "<start>-<end>" (seconds since 1970)
// a timed one, shown as its local start time and its length. Periods keep the
// order of the directory search; a folder that cannot be read has none.
std::vector<MonitorPeriod> ListMonitorPeriods(const std::string& folder);

// The display text of a period folder name.
std::string MonitorPeriodDisplay(const std::string& folderName, MonitorPeriod::Kind* kind = nullptr);

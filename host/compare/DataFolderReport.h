#pragma once
// What changed from one DataFolder (the first, older one) to another: one
// entry per device and kind (and per command for show-command results, per
// table name for tables saved under a name) that differs, with the numbers
// a reader wants first.
#include "host/compare/CompareKind.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

enum class ChangeKind {
    Added,      // only in the second DataFolder
    Removed,    // only in the first
    Changed,    // in both, with different content
    Unreadable, // in both, but one of the two files could not be read
};

struct ReportEntry {
    CompareKind kind = CompareKind::Configuration;
    std::string device;
    std::string item;        // the command of a show-command result, a table's saved name; else empty
    ChangeKind change = ChangeKind::Changed;
    std::string pathA;       // empty when only in the second
    std::string pathB;       // empty when only in the first
    // Lines (configurations, show commands) or rows (tables) of a Changed entry.
    std::size_t added = 0;
    std::size_t removed = 0;
    std::size_t changed = 0;
    std::string reason;      // why an Unreadable entry was not compared
};

struct KindCounts {
    std::size_t added = 0;
    std::size_t removed = 0;
    std::size_t changed = 0;
    std::size_t unreadable = 0;
    std::size_t Total() const { return added + removed + changed + unreadable; }
};

struct DataFolderReport {
    std::string nameA;
    std::string nameB;
    std::string pathA;
    std::string pathB;
    // Sorted by device (ignoring case), then kind, then item.
    std::vector<ReportEntry> entries;
    std::size_t devices = 0;          // devices with data in either DataFolder
    std::size_t filesCompared = 0;    // items present in both
    // Devices with data that the project's inventory does not hold; compared all the same.
    std::vector<std::string> unknownDevices;

    bool HasDifferences() const { return !entries.empty(); }
    KindCounts Totals() const;
    KindCounts CountsOf(CompareKind kind) const;
    // Devices that have at least one entry, in entry order.
    std::vector<std::string> ChangedDevices() const;
    // "changed: 2 routes added, 1 changed"; "added"; "cannot be read: ..."
    static std::string Describe(const ReportEntry& entry);
    // The counts alone, "2 routes added, 1 changed"; empty when none were taken.
    static std::string CountsText(const ReportEntry& entry);
    // "Configuration", "Show command "show ip route"", "Route table "before-change"".
    static std::string Subject(const ReportEntry& entry);
};

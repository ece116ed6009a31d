#pragma once
// What the DataFolder View dialog lists: its kind entries and, for one entry,
// the rows of files with their times.
#include "guidataset/dataset/core/DataKind.h"

#include <string>
#include <vector>

struct DataSetViewKind {
    const char* text;   // shown in the picker; also the sub-folder's name
    DataKind kind;      // the picker item's data
};

// "LiveConfig", "LiveRouteTable", "SimulatedRouteTable", "LiveArpTable",
// "LiveMacTable", "LiveCdpTable", "ShowCommand", in this order.
const std::vector<DataSetViewKind>& DataSetViewKinds();

// Position of "LiveRouteTable" (selected at opening) and "SimulatedRouteTable".
constexpr int kViewKindDefaultPosition = 1;
constexpr int kViewKindSimulatedPosition = 2;

struct DataSetViewRow {
    std::string name;         // file name up to its last '.'
    std::string createTime;   // the file's last-write time, "%Y-%m-%d %H:%M:%S"
    std::string updateTime;   // always empty
    std::string fileName;     // full file name, for the row's tip
};

// The folder whose files the entry lists, ending in '/'; empty for an empty path.
// Each kind's files lie in the sub-folder named after the entry; show-command
// results lie in the DataFolder's show-command folder.
std::string DataSetViewFolder(const std::string& dataSetPath, const DataSetViewKind& entry);

// The entry's files in the order the directory search delivers them. A
// missing folder lists nothing.
std::vector<DataSetViewRow> ListDataSetViewRows(const std::string& dataSetPath,
                                                const DataSetViewKind& entry);

#pragma once
// One side's table list of the table compare dialog: the device's tables of
// one kind in one DataFolder, as the texts the user picks from and the files
// they stand for.
#include <map>
#include <string>
#include <vector>

struct CRTItem;

struct CompareTableChoices {
    std::vector<std::string> texts;              // in listed order
    std::map<std::string, std::string> paths;    // text -> table file; the first of equal texts wins
    int preselected = -1;                        // the entry whose label matched, -1 when none
};

// The label of a table: its name, and " " qualifier when it has one.
std::string CompareTableLabel(const CRTItem& table);

// Lists the host's tables of kind (route tables: the cached live ones, then the
// simulated ones) in the DataFolder at path. When a label equals preselect
// (ignoring case) that entry is marked and preselect is emptied, so that only
// the first fill uses it. No host: no tables.
CompareTableChoices ListCompareTables(const std::string& dataFolderPath, const std::string& host, int kind,
                                      std::string& preselect);

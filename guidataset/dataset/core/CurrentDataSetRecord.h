#pragma once
// The record of the current DataFolder: "Current" and "CurrentPath" of section
// "RECORD_INFO" in "TWDataSet.ini" of the open project. Nothing in the module
// reads them back; the registry answers the current DataFolder from them.
#include <string>

class TWDataSet;

inline constexpr const char* kDataSetRecordFileName = "TWDataSet.ini";
inline constexpr const char* kDataSetRecordSection = "RECORD_INFO";

// path := registry's path of name (empty without a registry or for an unknown
// name). Writes name as "Current", then path as "CurrentPath", one value at a
// time, keeping every other section and key. False when no project is open (no
// record file to write, so nothing is written) or a value could not be written.
bool WriteCurrentDataSetRecord(const std::string& name, TWDataSet* registry, std::string& path);

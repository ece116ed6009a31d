#pragma once
// The record of the current DataFolder: "Current" and "CurrentPath" of section
// "RECORD_INFO" in "TWDataSet.ini" of the open project. Nothing in the module
// reads them back; the registry answers the current DataFolder from them.
#include <string>

inline constexpr const char* kDataSetRecordFileName = "TWDataSet.ini";
inline constexpr const char* kDataSetRecordSection = "RECORD_INFO";

// Writes name as "Current", then the registry's path of it as "CurrentPath",
// one value at a time, keeping every other section and key. False when no
// project is open or a value could not be written.
bool WriteCurrentDataSetRecord(const std::string& name);

#pragma once
// The record of the current DataFolder: "Current" and "CurrentPath" of section
// "RECORD_INFO" in "TWDataSet.ini" of the open project. Nothing in the module
// reads them back; the registry answers the current DataFolder from them.
#include <string>

class TWDataSet;

inline constexpr const char* kDataSetRecordFileName = "TWDataSet.ini";
inline constexpr const char* kDataSetRecordSection = "RECORD_INFO";

// path := registry's path of name (empty without a registry or for an unknown
// name). Sets name as "Current", then path as "CurrentPath", in one change
// under the file's lock, keeping every other section and key; when both
// already hold these the file is not written. False when no project is open (no
// record file to write, so nothing is written) or a value could not be written.
bool WriteCurrentDataSetRecord(const std::string& name, TWDataSet* registry, std::string& path);

// "CurrentPath" as recorded in the open project's record, without trailing
// separator; empty when there is none.
std::string RecordedCurrentPath();

// True when the record names a linked DataFolder whose folder is missing now
// (an unmounted disk). The registry answers the system DataFolder meanwhile;
// the record is kept, so the link is current again once its folder is back.
bool RecordAwaitsUnavailableLink(const TWDataSet& registry);

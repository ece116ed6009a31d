#pragma once
// What the Description dialog shows of a DataFolder's descriptor, and how it
// stores the edited description back.
#include <optional>
#include <string>

struct DatasetDescContent {
    std::optional<std::string> creator;   // set whenever the element is there, even empty
    std::string createTime;               // empty: not recorded, the folder's own time applies
    std::string application;
    std::string task;
    std::string description;              // line breaks as CR LF
};

// The fields of the descriptor at descriptorPath; all empty when it can't be
// loaded as XML or has no DatasetDesc root.
DatasetDescContent ReadDatasetDescContent(const std::string& descriptorPath);

// Stores text (line breaks turned into 0x08) as the Desc element, keeping the
// other elements. A descriptor that can't be loaded is replaced by a fresh one
// holding only the description. False when nothing was written.
bool SaveDatasetDescription(const std::string& descriptorPath, const std::string& text);

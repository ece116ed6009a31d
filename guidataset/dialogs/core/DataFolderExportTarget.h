#pragma once
// The folder a DataFolder is exported into is made before anything is copied,
// so that a refused target leaves both the DataFolder and the disk as they were.
#include <string>

// Creates target (and the folders above it) when missing. Empty on success,
// else one sentence for the user. Refused: a DataFolder folder that does not
// exist, a target that is the DataFolder or lies inside it, a target that
// cannot be created or is not a folder.
std::string PrepareDataFolderExportTarget(const std::string& dataFolderPath,
                                          const std::string& target);

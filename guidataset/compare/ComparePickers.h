#pragma once
// The two DataFolder pickers of a compare dialog, filled from the DataFolders
// its opener handed in: each preselects its DataFolder, or the workspace entry
// "*Baseline Config" when that was asked for and is offered.
#include <string>

class CDatasetComboBox;

// withNew: the pickers end with "New..." and "More...". addWorkspace: both
// offer the workspace entry at the top.
void FillComparePickers(CDatasetComboBox& first, CDatasetComboBox& second, const std::string& firstIn,
                        const std::string& secondIn, bool withNew, bool addWorkspace);

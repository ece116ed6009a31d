#pragma once
// The show commands of which a DataFolder's show-command folder holds results.
#include <string>
#include <vector>

// Each command once, in order of first appearance in the folder; files whose
// names carry no command are passed over.
std::vector<std::string> ListShowCommandNames(const std::string& showCommandFolder);

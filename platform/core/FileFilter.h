#pragma once
// File dialog filters as the module writes them ("Text File(*.txt);;All
// File(*.*)"), made into what Qt's file dialog matches with.
#include <string>
#include <vector>

namespace platform {

// One Qt name filter per ";;"-separated entry: the entry's text as the user
// reads it, then the patterns Qt matches with in parentheses of their own, to
// be hidden by the dialog. "*.*" means every file, as it does on Windows, so a
// log saved without an extension is still offered.
std::vector<std::string> QtNameFilters(const std::string& filter);

} // namespace platform

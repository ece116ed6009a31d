#pragma once
// The merged export: one text file per device gathering its results.
#include <string>

// Writes "<device>.txt" into targetFolder for every device that has a result
// in sourceFolder whose name holds filter. Each result becomes one block:
// "#--- <device>  <command>  Execute at <time>" CR LF, the stored content with
// every note separator replaced by "NOTE here:", CR LF CR LF. Blocks of one
// device follow the listing order; an older file of that name is replaced.
// Returns the number of results listed (0 when nothing matched), 0 when
// targetFolder is empty.
int ExportShowCommandResults(const std::string& targetFolder, const std::string& sourceFolder,
                             const std::string& filter);

#pragma once
// Whether two text results (configurations, show-command output) differ.
#include <string>

// True when both files can be read and hold the same text. With
// ignoreLineLayout, CR LF, lone CR and lone LF count as one line end, and
// blanks and tabs at the end of a line or of the file are not compared, so a
// result saved again by another editor still counts as unchanged. A file that
// cannot be read counts as changed.
bool CompareConfigFile(const std::string& firstPath, const std::string& secondPath, bool ignoreLineLayout);

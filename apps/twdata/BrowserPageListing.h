#pragma once
// What the workstation's DataFolder browser shows on a kind's page, as text:
// the page's column headings, then its rows, tab-separated, one line each.
// The same page code fills it, with the DataFolder given and the filter.
#include <string>

namespace twdata {

struct BrowserPageListing {
    bool hasPage = false;       // false: no browser page lists this kind (yet)
    std::string text;           // headings and rows
    std::string folderProblem;  // the kind folder is there but cannot be read
    int unnamedFiles = 0;       // table files whose names are no table names
};

BrowserPageListing ListBrowserPage(int pageId, const std::string& dataFolderName,
                                   const std::string& dataFolderPath, const std::string& filter);

} // namespace twdata

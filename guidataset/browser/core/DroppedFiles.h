#pragma once
// Files dragged out of the browser's list and files dropped into a
// DataFolder: what may go where, and the copy itself. A drop never replaces a
// file without the user's yes, and every copy appears whole or not at all.
#include <functional>
#include <string>
#include <vector>

struct DropPlan {
    std::string targetFolder;              // the kind folder the files go to, ending in '/'
    std::vector<std::string> copies;       // files whose names are free there
    std::vector<std::string> conflicts;    // files whose names are taken there
    std::vector<std::string> refusals;     // one sentence per file that cannot go
};

// Sorts the dropped paths for a kind folder holding files of pageId: folders,
// missing files, files of another kind (extension, or a name that is no table
// or result name) are refused; a file dropped where it already is is left out.
DropPlan PlanDroppedFiles(const std::vector<std::string>& paths, const std::string& targetFolder,
                          int pageId);

struct DropCopyResult {
    int copied = 0;
    std::vector<std::string> failures;   // one sentence per file not copied
};
// Copies the plan's files, and its conflicts too when replaceConflicts is set,
// creating the target folder. progress is told each file's name before its copy.
DropCopyResult CopyDroppedFiles(const DropPlan& plan, bool replaceConflicts,
                                const std::function<void(const std::string&)>& progress = {});

// The folder that holds the first path, by name ("LiveRouteTable"): the kind
// folder a drop onto a DataFolder fills. Empty for a path without a folder.
std::string DroppedKindFolderName(const std::string& firstPath);

// The dragged paths as one block: each in a zeroed slot of 260 bytes (wider
// when a path needs it), so a reader may take the zero-separated texts.
std::string BuildDragBlock(const std::vector<std::string>& paths);
std::vector<std::string> ParseDragBlock(const std::string& block);

#pragma once
// Which page class serves which page id (the DataKind numbers), the kind
// folder of each id, and the browser's six tabs.
#include "guidataset/dataset/core/DataKind.h"

#include <string>
#include <vector>

enum class PageClass {
    None,                // ids 19, 32 and every id outside 16..36
    Normal,              // 27..31
    ConfigFile,          // 16
    XTable,              // 17, 18, 22, 23, 24, 25
    ShowCommands,        // 36
    RtSummary,           // 21
    Monitor,             // 26 (and 20, served as 26)
    IpAccount,           // 33
    LiveCommand,         // 34
    LiveCommandDevice,   // 35
};

// 20 is served as 26; every other id stays.
int ServedPageId(int pageId);
PageClass PageClassOf(int pageId);

// The folder name of the kind inside a DataFolder ("LiveConfig", ...); empty
// for ids whose files lie in the DataFolder itself.
std::string KindFolderName(int pageId);
// The kind whose folder is named so (ignoring case); 0 for none.
int PageIdOfKindFolder(const std::string& folderName);

// What a user calls one file of the kind in messages ("configuration file",
// "route table", ...); "file" for ids without a word of their own.
std::string KindFileWord(int pageId);

struct BrowserTab {
    const char* caption;
    int pageId;
};
// "Configuration File" 16, "Route Table" 17, "ARP Table" 22, "MAC Table" 23,
// "CDP Table" 24, "Show Command" 36, in this order.
const std::vector<BrowserTab>& BrowserTabs();
// The page id of a tab caption; 0 for a caption that is no tab.
int PageIdOfCaption(const std::string& caption);
// The position of the caption among the tabs; -1 when it is none.
int TabIndexOfCaption(const std::string& caption);

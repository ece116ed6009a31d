#pragma once
// Resource and control ids of the DataFolder browser window.

namespace ids {

constexpr int kIdrDatafolderBrowser = 3731;    // the browser's document template
constexpr int kIddDatafolderView = 3727;       // the form of one tab
constexpr int kIdiDatafolderFrame = 3740;      // the frame's small icon
constexpr int kIdbDatafolderTabIcons = 905;    // the tabs' 16x16 icons
constexpr int kIdcDatafolderTabs = 475;        // the tab control
constexpr int kIdcDatafolderCompare = 6462;    // "Compare"
constexpr int kIdcDatafolderDelete = 6463;     // "Delete"
constexpr int kIdcDatafolderFilter = 6464;     // host-name filter edit
constexpr int kIdcDatafolderFilterLabel = 6467;   // "Hostname Filter:"
constexpr int kIdcDatafolderStatus = 6479;     // "There are 12 Route Tables"
constexpr int kIdcDatafolderList = 595;        // the file list
constexpr int kIdDatafolderFirstForm = 59648;  // child id of the first tab's form; the next ones follow

} // namespace ids

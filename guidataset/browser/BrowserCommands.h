#pragma once
// Command ids of the pages' context menus and of the browser's buttons, and
// the column layouts of the page classes.

namespace browsercmd {

inline constexpr int kView = 8;
inline constexpr int kCompare = 9;
inline constexpr int kRename = 10;
inline constexpr int kDelete = 11;
inline constexpr int kRefresh = 12;
inline constexpr int kTableNoAction = 13;
inline constexpr int kUpdateOne = 14;
inline constexpr int kUpdateSeveral = 15;
inline constexpr int kDeviceGroupAdd = 16;
inline constexpr int kDeviceGroupCreate = 17;
inline constexpr int kSaveAs = 18;

// The browser's tab menu.
inline constexpr int kCloseTab = 102;
inline constexpr int kCloseAllTabs = 103;

} // namespace browsercmd

namespace browserlayout {
inline constexpr int kNone = 0;
inline constexpr int kNormal = 1;
inline constexpr int kTable = 2;
inline constexpr int kShowCommands = 3;
} // namespace browserlayout

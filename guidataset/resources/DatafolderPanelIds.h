#pragma once
// Template, control, command and icon ids of the DataFolder panel.

inline constexpr int kIddDatafolderPanel = 1857;
inline constexpr int kIdcPanelTree = 1858;
inline constexpr int kIdcPanelNewLink = 1859;
inline constexpr int kIdcPanelExportLink = 1860;
inline constexpr int kIdcPanelImportLink = 1861;
inline constexpr int kIdcPanelLinkOutsideLink = 1862;
inline constexpr int kIdcPanelHelpLink = 1863;

// Context-menu commands.
namespace panelcmd {
inline constexpr int kExport = 32;
inline constexpr int kRename = 33;
inline constexpr int kDelete = 34;
inline constexpr int kRefresh = 35;
inline constexpr int kLinkOutside = 36;
inline constexpr int kDescription = 37;
inline constexpr int kLock = 38;
inline constexpr int kUnlock = 39;
inline constexpr int kRemove = 40;
inline constexpr int kImport = 41;
inline constexpr int kNew = 42;
inline constexpr int kGotoFolder = 43;
inline constexpr int kSetCurrent = 44;
// The panel's own "Set as Current DataFolder" command.
inline constexpr int kPanelSetCurrent = 6331;
} // namespace panelcmd

// The six icons of the tree, in the order of the panel's icon table.
enum PanelIcon : int {
    kIconNetwork = 0,        // resource 594
    kIconUnlocked = 1,       // resource 593: an unlocked DataFolder
    kIconCurrent = 2,        // resource 1547
    kIconRow = 3,            // resource 319: every row the browser lists
    kIconFolder = 4,         // resource 598
    kIconLocked = 5,         // resource 488: a locked DataFolder
};

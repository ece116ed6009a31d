#pragma once
// The seam through which a list shows a context menu and learns the chosen
// command. The browser's list shows a real menu; a test installs a tracker
// that records the menu and picks a command, as ScriptedPrompter answers
// message boxes.
#include "guidataset/browser/core/ScreenPoint.h"

class CPopupMenu;

class IPopupMenuTracker {
public:
    virtual ~IPopupMenuTracker() = default;
    // Shows menu at point; the chosen command id, 0 when dismissed.
    virtual int Track(const CPopupMenu& menu, ScreenPoint point) = 0;

    // The installed tracker; null when none is (lists then show menus their own way).
    static IPopupMenuTracker* Installed();
    // Installs tracker (not owned; null removes it); returns the previous one.
    static IPopupMenuTracker* Install(IPopupMenuTracker* tracker);
};

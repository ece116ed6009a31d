#pragma once
// Shows a page's context menu as a real popup menu.
#include "guidataset/browser/core/ScreenPoint.h"

class CPopupMenu;
class QWidget;

class CBrowserPopupMenu {
public:
    // Runs menu at point over owner until the user chooses or dismisses it;
    // the chosen command id, 0 when dismissed.
    static int Exec(const CPopupMenu& menu, ScreenPoint point, QWidget* owner);
};

#pragma once
// A point on the screen, in the coordinates context menus are tracked at.

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

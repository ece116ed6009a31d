#pragma once
// The browser's icons: the desktop theme's where it has them, else drawn here
// (the workstation ships no image plug-ins, so no bundled SVG could be read).
#include <functional>

class QIcon;
class QPainter;
class QPen;

class CBrowserIcons {
public:
    // The icon of a tab and of its rows, by page id.
    static QIcon TabIcon(int pageId);
    // The browser frame's small icon.
    static QIcon FrameIcon();
    // A device's icon by TWDeviceFactory::GetIndexOfDeviceSubType: 0 unknown,
    // 1 router, 2 switch, 3 firewall.
    static QIcon DeviceIcon(int index);

    // An icon drawn by draw on a 16-unit square, at 16 and 32 pixels.
    static QIcon Painted(const std::function<void(QPainter&)>& draw);
    static QPen Pen(const char* color, double width = 1.0);
};

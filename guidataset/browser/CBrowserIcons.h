#pragma once
// The browser's icons: the desktop theme's where it has them, else drawn here
// (the workstation ships no image plug-ins, so no bundled SVG could be read).
class QIcon;

class CBrowserIcons {
public:
    // The icon of a tab and of its rows, by page id.
    static QIcon TabIcon(int pageId);
    // The browser frame's small icon.
    static QIcon FrameIcon();
    // A device's icon by TWDeviceFactory::GetIndexOfDeviceSubType: 0 unknown,
    // 1 router, 2 switch, 3 firewall.
    static QIcon DeviceIcon(int index);
};

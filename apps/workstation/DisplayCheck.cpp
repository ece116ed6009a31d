#include "apps/workstation/DisplayCheck.h"

namespace workstation {

namespace {
bool IsSet(const char* value) { return value && *value; }
}

std::string MissingDisplayReason(const char* (*getEnv)(const char*))
{
    const char* platformName = getEnv("QT_QPA_PLATFORM");
    if (IsSet(platformName)) {
        const std::string platform = platformName;
        // xcb and wayland still need their display; any other platform draws elsewhere.
        const bool needsX = platform.rfind("xcb", 0) == 0;
        const bool needsWayland = platform.rfind("wayland", 0) == 0;
        if (!needsX && !needsWayland)
            return {};
        if (needsX && IsSet(getEnv("DISPLAY")))
            return {};
        if (needsWayland && IsSet(getEnv("WAYLAND_DISPLAY")))
            return {};
        return "no display for the Qt platform '" + platform +
               "': set DISPLAY or WAYLAND_DISPLAY, or run with QT_QPA_PLATFORM=offscreen";
    }
    if (IsSet(getEnv("DISPLAY")) || IsSet(getEnv("WAYLAND_DISPLAY")))
        return {};
    return "no display found: set DISPLAY or WAYLAND_DISPLAY (or start under Xvfb), "
           "or run with QT_QPA_PLATFORM=offscreen";
}

} // namespace workstation

#pragma once
#include <string>

namespace workstation {

// Why the workstation cannot open a window, or empty when it can: a display
// (DISPLAY or WAYLAND_DISPLAY) or a Qt platform that needs none (offscreen,
// minimal, vnc, ...). getEnv is injectable so the rule can be tested.
std::string MissingDisplayReason(const char* (*getEnv)(const char*));

} // namespace workstation

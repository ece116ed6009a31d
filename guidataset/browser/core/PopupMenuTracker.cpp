#include "guidataset/browser/core/PopupMenuTracker.h"

namespace {
IPopupMenuTracker* g_tracker = nullptr;   // GUI thread only, like the menus
}

IPopupMenuTracker* IPopupMenuTracker::Installed()
{
    return g_tracker;
}

IPopupMenuTracker* IPopupMenuTracker::Install(IPopupMenuTracker* tracker)
{
    IPopupMenuTracker* previous = g_tracker;
    g_tracker = tracker;
    return previous;
}

#include "host/util/EventSubscriber.h"

#include "host/util/EventDispatcher.h"

namespace tw_detail {
// The dispatcher while it exists; null before it is made and after static
// destruction has removed it, so a late subscriber never touches a dead one.
EventDispatcher* LiveEventDispatcher();
} // namespace tw_detail

EventSubscriber::~EventSubscriber()
{
    // A subscriber that forgets to unregister must not be called after death.
    if (EventDispatcher* dispatcher = tw_detail::LiveEventDispatcher())
        dispatcher->UnRegister(this);
}

int EventSubscriber::IsDoable(int, int, void*, void*)
{
    return 1;
}

void EventSubscriber::DoBefore(int, int, void*, void*) {}

void EventSubscriber::DoAfter(int, int, void*, void*) {}

void EventSubscriber::PostDestroy() {}

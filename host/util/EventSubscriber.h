#pragma once
// A receiver of the host's change events (category, action, two arguments).
class EventSubscriber {
public:
    virtual ~EventSubscriber();
    // May the change go ahead? 0 means no.
    virtual int IsDoable(int category, int action, void* first, void* second);
    virtual void DoBefore(int category, int action, void* first, void* second);
    virtual void DoAfter(int category, int action, void* first, void* second);
    virtual void PostDestroy();
};

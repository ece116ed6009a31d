#pragma once
// Hears DataFolder events from its construction on, after every subscriber
// registered before it: records each as its action and second argument, and
// may veto deletions.
#include "host/util/EventDispatcher.h"
#include "host/util/EventSubscriber.h"

#include <string>
#include <utility>
#include <vector>

namespace twtest {

class DataFolderEventRecorder final : public EventSubscriber {
public:
    DataFolderEventRecorder() { EventDispatcher::Instance().Register(kEventDataFolder, this); }
    ~DataFolderEventRecorder() override { EventDispatcher::Instance().UnRegister(this); }

    int IsDoable(int, int action, void*, void*) override
    {
        return action == kActionDataFolderDeleted && vetoDelete ? 0 : 1;
    }
    void DoAfter(int, int action, void*, void* second) override
    {
        events.emplace_back(action, second ? static_cast<const char*>(second) : "");
    }
    int Count(int action) const
    {
        int n = 0;
        for (const auto& e : events)
            n += e.first == action;
        return n;
    }

    bool vetoDelete = false;
    std::vector<std::pair<int, std::string>> events;
};

} // namespace twtest

#include "host/util/EventDispatcher.h"

#include "host/util/EventSubscriber.h"

#include <algorithm>
#include <map>
#include <vector>

// Subscribers are kept per category in register order. A delivery walks the
// list by index up to the length it had when the delivery began, so that
// subscribers registered meanwhile wait for the next event and no iterator can
// be invalidated. Unregistering during a delivery only blanks the slot; blank
// slots are swept once the outermost delivery has returned.
struct EventDispatcher::Impl {
    std::map<int, std::vector<EventSubscriber*>> subscribers;
    int deliveryDepth = 0;
    bool needsSweep = false;

    void Sweep()
    {
        for (auto it = subscribers.begin(); it != subscribers.end();) {
            auto& list = it->second;
            list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
            it = list.empty() ? subscribers.erase(it) : std::next(it);
        }
        needsSweep = false;
    }

    // Calls visit for each live subscriber of the category until it returns false.
    template <typename Visit>
    void Deliver(int category, Visit visit)
    {
        const auto found = subscribers.find(category);
        if (found == subscribers.end())
            return;
        // Held in a guard so that a throwing subscriber cannot leave the
        // dispatcher believing a delivery is still running.
        struct Depth {
            Impl& impl;
            explicit Depth(Impl& i) : impl(i) { ++impl.deliveryDepth; }
            ~Depth()
            {
                if (--impl.deliveryDepth == 0 && impl.needsSweep)
                    impl.Sweep();
            }
        } depth(*this);
        const std::size_t count = found->second.size();
        for (std::size_t i = 0; i < count; ++i) {
            // Look the list up again each time: the map node is stable, the
            // vector may have grown and moved.
            EventSubscriber* subscriber = found->second[i];
            if (subscriber && !visit(subscriber))
                break;
        }
    }
};

namespace {
EventDispatcher* g_liveDispatcher = nullptr;
} // namespace

namespace tw_detail {
EventDispatcher* LiveEventDispatcher()
{
    return g_liveDispatcher;
}
} // namespace tw_detail

EventDispatcher& EventDispatcher::Instance()
{
    static EventDispatcher instance;
    return instance;
}

EventDispatcher::EventDispatcher() : m_impl(std::make_unique<Impl>())
{
    g_liveDispatcher = this;
}

EventDispatcher::~EventDispatcher()
{
    g_liveDispatcher = nullptr;
}

void EventDispatcher::Register(int category, EventSubscriber* subscriber)
{
    if (!subscriber)
        return;
    auto& list = m_impl->subscribers[category];
    if (std::find(list.begin(), list.end(), subscriber) == list.end())
        list.push_back(subscriber);
}

void EventDispatcher::UnRegister(EventSubscriber* subscriber)
{
    if (!subscriber)
        return;
    for (auto& [category, list] : m_impl->subscribers) {
        if (m_impl->deliveryDepth > 0)
            std::replace(list.begin(), list.end(), subscriber, static_cast<EventSubscriber*>(nullptr));
        else
            list.erase(std::remove(list.begin(), list.end(), subscriber), list.end());
    }
    if (m_impl->deliveryDepth > 0)
        m_impl->needsSweep = true;
    else
        m_impl->Sweep();
}

int EventDispatcher::IsDoable(int category, int action, void* first, void* second)
{
    int answer = 1;
    m_impl->Deliver(category, [&](EventSubscriber* subscriber) {
        if (subscriber->IsDoable(category, action, first, second) == 0)
            answer = 0;
        return answer != 0;
    });
    return answer;
}

void EventDispatcher::DoBefore(int category, int action, void* first, void* second)
{
    m_impl->Deliver(category, [&](EventSubscriber* subscriber) {
        subscriber->DoBefore(category, action, first, second);
        return true;
    });
}

void EventDispatcher::DoAfter(int category, int action, void* first, void* second)
{
    m_impl->Deliver(category, [&](EventSubscriber* subscriber) {
        subscriber->DoAfter(category, action, first, second);
        return true;
    });
}

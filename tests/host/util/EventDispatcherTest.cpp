#include "host/util/EventDispatcher.h"
#include "host/util/EventSubscriber.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Categories of their own, so the process-wide dispatcher holds nothing else here.
constexpr int kCat = 7001;
constexpr int kOther = 7002;

class Recorder : public EventSubscriber {
public:
    Recorder(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}
    int IsDoable(int, int, void*, void*) override
    {
        m_log.push_back(m_name + "?");
        return m_answer;
    }
    void DoAfter(int category, int action, void*, void*) override
    {
        m_log.push_back(m_name + ":" + std::to_string(category) + "/" + std::to_string(action));
        if (m_onEvent)
            m_onEvent();
    }
    int m_answer = 1;
    std::function<void()> m_onEvent;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

using Log = std::vector<std::string>;

TEST(EventDispatcher, DeliversInRegisterOrderAndStopsAskingAtTheFirstVeto)
{
    auto& dispatcher = EventDispatcher::Instance();
    Log log;
    Recorder a("a", log), b("b", log), c("c", log);
    EventSubscriber plain; // the base answers yes
    for (EventSubscriber* s : std::initializer_list<EventSubscriber*>{&plain, &b, &a, &c, &b})
        dispatcher.Register(kCat, s); // b again: still called once
    dispatcher.Register(kOther, &a);
    dispatcher.DoAfter(kCat, kActionCurrentDataFolder, nullptr, nullptr);
    dispatcher.DoAfter(kOther, kActionDataFolderAdded, nullptr, nullptr);
    EXPECT_EQ(log, (Log{"b:7001/177", "a:7001/177", "c:7001/177", "a:7002/80"}));

    log.clear();
    a.m_answer = 0;
    EXPECT_EQ(dispatcher.IsDoable(kCat, kActionDataFolderDeleted, nullptr, nullptr), 0);
    EXPECT_EQ(log, (Log{"b?", "a?"}));
    a.m_answer = 1;
    EXPECT_EQ(dispatcher.IsDoable(kCat, kActionDataFolderDeleted, nullptr, nullptr), 1);

    log.clear();
    dispatcher.UnRegister(&a);
    dispatcher.DoAfter(kOther, kActionDataFolderAdded, nullptr, nullptr);
    EXPECT_TRUE(log.empty()) << "unregistered from every category";
    for (EventSubscriber* s : std::initializer_list<EventSubscriber*>{&plain, &b, &c})
        dispatcher.UnRegister(s);
}

TEST(EventDispatcher, UnregisteringOrDyingDuringDeliveryIsSafe)
{
    auto& dispatcher = EventDispatcher::Instance();
    Log log;
    Recorder a("a", log), b("b", log), d("d", log), late("late", log);
    auto* selfDeleting = new Recorder("self", log);
    auto* forgotten = new Recorder("forgotten", log);
    a.m_onEvent = [&] {
        dispatcher.UnRegister(&a); // itself
        dispatcher.UnRegister(&b); // one still to come
        dispatcher.Register(kCat, &late);
    };
    selfDeleting->m_onEvent = [&] { delete selfDeleting; };
    for (EventSubscriber* s : std::initializer_list<EventSubscriber*>{&a, selfDeleting, &b, forgotten, &d})
        dispatcher.Register(kCat, s);
    delete forgotten; // without UnRegister

    dispatcher.DoAfter(kCat, 1, nullptr, nullptr);
    dispatcher.DoAfter(kCat, 2, nullptr, nullptr);
    EXPECT_EQ(log, (Log{"a:7001/1", "self:7001/1", "d:7001/1", "d:7001/2", "late:7001/2"}))
        << "a registration made during delivery waits for the next event";
    dispatcher.UnRegister(&d);
    dispatcher.UnRegister(&late);
}

} // namespace

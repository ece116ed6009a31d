#include "host/util/MessageDispatcher.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The dispatcher is process-wide: this test uses numbers of its own and removes them.
TEST(MessageDispatcher, RoutesByReceiverAndByMessageNumber)
{
    auto& dispatcher = MessageDispatcher::Instance();
    std::string first, second;
    dispatcher.RegisterReceiver(900, [&](unsigned message, std::uintptr_t w, std::intptr_t l) -> long {
        first = reinterpret_cast<const char*>(w);
        second = reinterpret_cast<const char*>(l);
        return static_cast<long>(message) + 1;
    });
    dispatcher.RegisterReceiver(901, [](unsigned, std::uintptr_t, std::intptr_t) -> long { return -7; });
    const char* a = "/p/a.config";
    const char* b = "/p/b.config";
    EXPECT_EQ(dispatcher.CallReceiver(900, 1088, reinterpret_cast<std::uintptr_t>(a),
                                      reinterpret_cast<std::intptr_t>(b)), 1089);
    EXPECT_EQ(first + " " + second, "/p/a.config /p/b.config");
    EXPECT_EQ(dispatcher.CallReceiver(901, 1088, 0, 0), -7);
    dispatcher.UnRegisterReceiver(900);
    dispatcher.UnRegisterReceiver(901);
    EXPECT_EQ(dispatcher.CallReceiver(901, 1088, 0, 0), 0) << "nobody registered";

    long result = 99;
    EXPECT_FALSE(dispatcher.DispatchMessageA(93331, 0, 0, result));
    EXPECT_EQ(result, 99);
    dispatcher.RegisterMessageHandler(93331, [](unsigned, std::uintptr_t w, std::intptr_t) -> long {
        MessageDispatcher::Instance().UnRegisterMessageHandler(93331); // one-shot handler
        return static_cast<long>(w) * 2;
    });
    EXPECT_TRUE(dispatcher.DispatchMessageA(93331, 21, 0, result));
    EXPECT_EQ(result, 42);
    EXPECT_FALSE(dispatcher.DispatchMessageA(93331, 21, 0)) << "it removed itself";
}

} // namespace

#pragma once
// Synchronous messages from the module to the host's windows, in the Windows
// manner: a message number and two word-sized arguments, one long answer.
//
// Two routes:
// - by receiver: a host window registers under a receiver number (0 the
//   configuration viewer, 3 the project tree, 11 the table viewer, ...) and
//   CallReceiver hands it any message; nothing registered answers 0;
// - by message: a handler registers for one message number and
//   DispatchMessageA finds it by that number alone; it reports whether a
//   handler took the message.
// Pointers travel as integers (reinterpret_cast) and are only valid during the
// call. Registering again under the same number replaces the handler. A
// handler may unregister itself or another while it runs. GUI thread only.
#include <cstdint>
#include <functional>
#include <map>

class MessageDispatcher {
public:
    using Handler = std::function<long(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)>;

    static MessageDispatcher& Instance();

    void RegisterReceiver(int receiver, Handler handler);
    void UnRegisterReceiver(int receiver);
    long CallReceiver(int receiver, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);

    void RegisterMessageHandler(unsigned message, Handler handler);
    void UnRegisterMessageHandler(unsigned message);
    // True when a handler took the message; its answer goes to result.
    bool DispatchMessageA(unsigned message, std::uintptr_t wparam, std::intptr_t lparam, long& result);
    // The same for callers that want no answer (result may be null).
    bool DispatchMessageA(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                          long* result = nullptr);
    // The name the Windows headers map to DispatchMessageA.
    bool DispatchMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam, long* result = nullptr)
    {
        return DispatchMessageA(message, wparam, lparam, result);
    }

    MessageDispatcher(const MessageDispatcher&) = delete;
    MessageDispatcher& operator=(const MessageDispatcher&) = delete;

private:
    MessageDispatcher() = default;

    std::map<int, Handler> m_receivers;
    std::map<unsigned, Handler> m_messageHandlers;
};

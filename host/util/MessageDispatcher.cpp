#include "host/util/MessageDispatcher.h"

MessageDispatcher& MessageDispatcher::Instance()
{
    static MessageDispatcher instance;
    return instance;
}

void MessageDispatcher::RegisterReceiver(int receiver, Handler handler)
{
    if (handler)
        m_receivers[receiver] = std::move(handler);
    else
        m_receivers.erase(receiver);
}

void MessageDispatcher::UnRegisterReceiver(int receiver)
{
    m_receivers.erase(receiver);
}

long MessageDispatcher::CallReceiver(int receiver, unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    const auto found = m_receivers.find(receiver);
    if (found == m_receivers.end())
        return 0;
    // A copy, so the handler may unregister (and destroy) the stored one while it runs.
    const Handler handler = found->second;
    return handler(message, wparam, lparam);
}

void MessageDispatcher::RegisterMessageHandler(unsigned message, Handler handler)
{
    if (handler)
        m_messageHandlers[message] = std::move(handler);
    else
        m_messageHandlers.erase(message);
}

void MessageDispatcher::UnRegisterMessageHandler(unsigned message)
{
    m_messageHandlers.erase(message);
}

bool MessageDispatcher::DispatchMessageA(unsigned message, std::uintptr_t wparam, std::intptr_t lparam, long& result)
{
    return DispatchMessageA(message, wparam, lparam, &result);
}

bool MessageDispatcher::DispatchMessageA(unsigned message, std::uintptr_t wparam, std::intptr_t lparam, long* result)
{
    const auto found = m_messageHandlers.find(message);
    if (found == m_messageHandlers.end())
        return false;
    const Handler handler = found->second;
    const long answer = handler(message, wparam, lparam);
    if (result)
        *result = answer;
    return true;
}

#pragma once
// Synchronous event delivery to subscribers in the order they registered.
// A subscriber may unregister (itself or another) during delivery.
#include <memory>

class EventSubscriber;

class EventDispatcher {
public:
    static EventDispatcher& Instance();

    void Register(int category, EventSubscriber* subscriber);
    void UnRegister(EventSubscriber* subscriber);   // from every category

    // 0 when any subscriber of the category answers 0, else 1.
    int IsDoable(int category, int action, void* first, void* second);
    void DoBefore(int category, int action, void* first, void* second);
    void DoAfter(int category, int action, void* first, void* second);

    ~EventDispatcher();
private:
    EventDispatcher();
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Event categories and actions exchanged with the host.
enum : int {
    kEventDataFolder = 3586,
    kEventProject = 266,
    kActionDataFolderAdded = 80,
    kActionDataFolderDeleted = 81,
    kActionDataFolderRenamed = 167,
    kActionCurrentDataFolder = 177,
    kActionProjectOpened = 161,
    kActionProjectClosing = 163,
};

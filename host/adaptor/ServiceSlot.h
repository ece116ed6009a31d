#pragma once
// Where a host service singleton keeps the implementation installed by the
// workstation (or by a test) beside its harmless default.
#include <atomic>

template <class Service, class Default>
class ServiceSlot {
public:
    Service& Get()
    {
        Service* installed = m_installed.load();
        return installed ? *installed : m_default;
    }
    // Null restores the default; the caller keeps ownership of what it installs.
    Service* Install(Service* service) { return m_installed.exchange(service); }

    // Never destroyed: plug-in singletons torn down at process exit may still ask.
    static ServiceSlot& Shared()
    {
        static ServiceSlot* slot = new ServiceSlot();
        return *slot;
    }

private:
    std::atomic<Service*> m_installed{nullptr};
    Default m_default;
};

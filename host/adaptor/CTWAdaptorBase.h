#pragma once
// Base of the services that the host reaches through its adaptor library. The
// key and plug-in name tell the host which plug-in provides a service; a
// service that keeps the base's answers is provided by the host itself.
#include <cstdint>
#include <string>

class CTWAdaptorBase {
public:
    CTWAdaptorBase() = default;
    virtual ~CTWAdaptorBase();
    CTWAdaptorBase(const CTWAdaptorBase&) = delete;
    CTWAdaptorBase& operator=(const CTWAdaptorBase&) = delete;

    virtual std::string GetDllKey();
    virtual std::string GetDefDllName();
    // Asked before the host unloads the provider; true lets it go ahead.
    virtual bool OnDestroy();

    std::int32_t GetAdaptorWord() const { return m_adaptorWord; }

protected:
    std::int32_t m_adaptorWord = 0;
};

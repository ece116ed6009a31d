#include "host/adaptor/CTWAdaptorBase.h"

CTWAdaptorBase::~CTWAdaptorBase() = default;

std::string CTWAdaptorBase::GetDllKey()
{
    return "TWAdaptor";
}

std::string CTWAdaptorBase::GetDefDllName()
{
    return "libtwhost.so";
}

bool CTWAdaptorBase::OnDestroy()
{
    return true;
}

#include "host/netmodel/TWDevice.h"

TWDevice::TWDevice(const std::string& name, int deviceType, int deviceSubType)
    : m_name(name), m_deviceType(deviceType), m_deviceSubType(deviceSubType)
{
}

TWDevice::~TWDevice() = default;

int TWDevice::GetDeviceType() const
{
    return m_deviceType;
}

int TWDevice::GetDeviceSubType() const
{
    return m_deviceSubType;
}

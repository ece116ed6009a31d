#pragma once
// A device of the network model, as the model's device lookup hands it out.
#include "host/netmodel/TWDeviceType.h"

#include <string>

class TWDevice {
public:
    TWDevice(const std::string& name, int deviceType, int deviceSubType);
    virtual ~TWDevice();
    TWDevice(const TWDevice&) = delete;
    TWDevice& operator=(const TWDevice&) = delete;

    // The model's own spelling of the device name.
    const std::string& GetName() const { return m_name; }
    virtual int GetDeviceType() const;      // a TWDeviceType
    virtual int GetDeviceSubType() const;   // a TWDeviceSubType (its CLI family)

protected:
    std::string m_name;
    int m_deviceType;
    int m_deviceSubType;
};

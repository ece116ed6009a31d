#pragma once
// The open project's network information: its device inventory, where each
// device's configuration is "<device>.config" in the project's Config folder.
#include "host/netmodel/INetworkInfo.h"

class GlobalNetworkInfo;

class CProjectNetworkInfo : public INetworkInfo {
public:
    // inventory: the project's model (null: no device is known).
    explicit CProjectNetworkInfo(const GlobalNetworkInfo* inventory) : m_inventory(inventory) {}

    std::string GetDeviceProperty(const std::string& device, const std::string& property) const override;
    int GetDeviceNumber(const std::string& device) const override;

private:
    const GlobalNetworkInfo* m_inventory;
};

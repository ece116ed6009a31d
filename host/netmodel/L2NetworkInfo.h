#pragma once
// The L2 part of the network model: its switches, found by the name the
// switch gives itself in its own prompt ("original name"), which may differ
// from the name the workstation keeps it under.
#include <string>
#include <vector>

class L2NetworkInfo {
public:
    struct SwitchInfo {
        std::string name;      // the model's device name
        std::string oriName;   // the switch's own name (prompt); the name when not set
    };

    void Clear();
    void AddSwitch(const std::string& name, const std::string& oriName);
    // Ignoring case; null when no switch carries that original name.
    const SwitchInfo* getSwitchByOriName(const std::string& oriName) const;
    const std::vector<SwitchInfo>& GetSwitches() const { return m_switches; }

private:
    std::vector<SwitchInfo> m_switches;
};

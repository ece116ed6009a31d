#pragma once
// "twdata device": the devices of the open project's network model, as the
// workstation's device list adds and removes them.
#include <iosfwd>
#include <string>

namespace twdata {

class DeviceCommands {
public:
    DeviceCommands(std::ostream& out, std::ostream& err);

    // type: "router", "switch" or "firewall" (any case).
    int Add(const std::string& name, const std::string& type);
    // One device a line: name, tab, type word.
    int List();
    int Remove(const std::string& name);

private:
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata

#pragma once
// "twdata device": the devices of the open project's network model, as the
// workstation's device list adds and removes them, and the project's device
// groups.
#include <iosfwd>
#include <string>
#include <vector>

namespace twdata {

class DeviceCommands {
public:
    DeviceCommands(std::ostream& out, std::ostream& err);

    // type: "router", "switch" or "firewall" (any case).
    int Add(const std::string& name, const std::string& type);
    // One device a line: name, tab, type word.
    int List();
    int Remove(const std::string& name);

    // One line per group member: group, tab, device; groups in file order.
    int Groups();
    // A new group of the devices, or the devices added to a group; every
    // device must be one of the project's, else nothing is written.
    int GroupCreate(const std::string& group, const std::vector<std::string>& devices);
    int GroupAdd(const std::string& group, const std::vector<std::string>& devices);

private:
    int ChangeGroup(const std::string& group, const std::vector<std::string>& devices, bool create);

    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata

#pragma once
// What the results browser lists from a show-command folder: the devices that
// have results, the commands of one device, the execution times of one
// command. Names that do not parse as results are passed over. The lists come
// in name order, as the Windows directory search delivered them: devices and
// commands alphabetically (ignoring case), times oldest first.
#include <string>
#include <vector>

// Every device with a result in folder, once each.
std::vector<std::string> ListShowCommandDevices(const std::string& folder);

// The commands run on device, once each. Results whose time
// sorts before since (plain string order) are left out; an empty since keeps all.
std::vector<std::string> ListShowCommandCommands(const std::string& folder, const std::string& device,
                                                 const std::string& since);

// The execution times of command on device, since as above.
std::vector<std::string> ListShowCommandTimes(const std::string& folder, const std::string& device,
                                              const std::string& command, const std::string& since);

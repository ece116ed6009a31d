#pragma once
// What the results browser lists from a show-command folder: the devices that
// have results, the commands of one device, the execution times of one
// command. Names that do not parse as results are passed over.
#include <string>
#include <vector>

// Every device with a result in folder, once each, in listing order (the
// first result of a device places it).
std::vector<std::string> ListShowCommandDevices(const std::string& folder);

// The commands run on device, once each, in listing order. Results whose time
// sorts before since (plain string order) are left out; an empty since keeps all.
std::vector<std::string> ListShowCommandCommands(const std::string& folder, const std::string& device,
                                                 const std::string& since);

// The execution times of command on device, in listing order, since as above.
std::vector<std::string> ListShowCommandTimes(const std::string& folder, const std::string& device,
                                              const std::string& command, const std::string& since);

#pragma once
// Device names as the workstation keeps them.
#include <string>

class CHostName {
public:
    // A name taken from a CLI prompt: drops a trailing prompt character and a
    // mode in parentheses ("R1(config-if)#" -> "R1"), then answers the network
    // model's spelling of the device when the model has it (ignoring case);
    // else the name with prompt and mode removed.
    static std::string GetBackendHostName(const std::string& name);
    // A host name read from a configuration: the model's spelling when the
    // model has the device, else the name itself.
    static std::string GetDeviceName(const std::string& hostName);
};

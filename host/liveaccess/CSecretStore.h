#pragma once
// Device passwords in the desktop's secret store (the Secret Service, through
// libsecret), keyed by host, port and user. Where no secret store runs (a
// server, a test), every call answers false and nothing is kept.
#include <string>

class CSecretStore {
public:
    static bool Lookup(const std::string& host, int port, const std::string& user, std::string& password);
    static bool Store(const std::string& host, int port, const std::string& user, const std::string& password);
    static bool Forget(const std::string& host, int port, const std::string& user);
};

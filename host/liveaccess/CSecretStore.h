#pragma once
// Device passwords in the desktop's secret store (the Secret Service, through
// libsecret), keyed by host, port and user. Where no secret store runs (a
// server, a test), every call answers false and nothing is kept.
#include "host/liveaccess/ISecretStore.h"

class CSecretStore : public ISecretStore {
public:
    bool Lookup(const SshLogin& login, std::string& password) override;
    bool Store(const SshLogin& login, const std::string& password) override;
    bool Forget(const SshLogin& login) override;
};

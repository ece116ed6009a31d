#pragma once
// Where device passwords are kept between runs of the program: the desktop's
// secret store in the workstation, a stand-in in tests. Keyed by the login:
// address, port and user.
#include <string>

struct SshLogin;

class ISecretStore {
public:
    virtual ~ISecretStore() = default;
    virtual bool Lookup(const SshLogin& login, std::string& password) = 0;
    // False when there is no store to keep it in.
    virtual bool Store(const SshLogin& login, const std::string& password) = 0;
    virtual bool Forget(const SshLogin& login) = 0;
};

#pragma once
// The passwords of device logins once the user has typed them: kept in the
// secret store where there is one, else for this run of the program only,
// and never written anywhere else. Each login (address, port and user) has
// its own, so devices behind one address on different ports, or two
// accounts on one device, never share one.
#include <map>
#include <string>
#include <tuple>

class ISecretStore;
struct SshLogin;

class CDevicePasswords {
public:
    explicit CDevicePasswords(ISecretStore& store);

    bool Find(const SshLogin& login, std::string& password);
    void Remember(const SshLogin& login, const std::string& password);
    // A refused password is dropped, so the next login asks for it again.
    void Forget(const SshLogin& login);

private:
    using Key = std::tuple<std::string, int, std::string>;
    static Key KeyOf(const SshLogin& login);

    ISecretStore& m_store;
    std::map<Key, std::string> m_thisRun;
};

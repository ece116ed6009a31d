#pragma once
// A secret store in memory, keyed as the desktop's is (host, port, user), that
// outlives the objects using it as the desktop's outlives a run of the
// program. Without a store (available false) it keeps nothing, as where no
// Secret Service runs.
#include "host/liveaccess/CSshSession.h"
#include "host/liveaccess/ISecretStore.h"

#include <map>
#include <string>
#include <tuple>

namespace twtest {

class MemorySecretStore : public ISecretStore {
public:
    using Key = std::tuple<std::string, int, std::string>;

    bool Lookup(const SshLogin& login, std::string& password) override
    {
        const auto found = secrets.find({login.host, login.port, login.user});
        if (found == secrets.end())
            return false;
        password = found->second;
        return true;
    }
    bool Store(const SshLogin& login, const std::string& password) override
    {
        if (available)
            secrets[{login.host, login.port, login.user}] = password;
        return available;
    }
    bool Forget(const SshLogin& login) override { return secrets.erase({login.host, login.port, login.user}) > 0; }

    bool available = true;
    std::map<Key, std::string> secrets;
};

} // namespace twtest

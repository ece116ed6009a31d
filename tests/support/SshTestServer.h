#pragma once
// A real OpenSSH server for the live-access tests, started on 127.0.0.1 with
// a host key and an authorised client key made for it, whose forced command
// is the device emulator. Each emulated device listens on a port of its own.
// Start fails (with the reason) where sshd or ssh-keygen cannot run; the
// tests then skip.
#include "TempDir.h"

#include <memory>

#include <map>
#include <utility>
#include <string>
#include <vector>

namespace twtest {

class PasswordLoginServer;

struct EmulatedDevice {
    std::string name;
    std::string platform = "IOS";   // as the emulator's map spells it
    std::string modes = "normal";   // the emulator's modes, comma separated
    std::string source{};           // whose captured outputs it answers with; empty: its own
    // Set: the device takes this user and password only, and no key.
    std::string user{}, password{};
};

class SshTestServer {
public:
    SshTestServer();
    ~SshTestServer();
    SshTestServer(const SshTestServer&) = delete;
    SshTestServer& operator=(const SshTestServer&) = delete;

    // How many logins may be under way at once before sshd turns new
    // connections away (sshd's MaxStartups); before Start.
    void SetMaxStartups(int count) { m_maxStartups = count; }
    // Empty when the server accepts connections on every device's port.
    std::string Start(const std::vector<EmulatedDevice>& devices);
    void Stop();

    int Port(const std::string& device) const;
    // The key the server accepts, and one it does not.
    std::string ClientKey() const { return m_dir / "client_key"; }
    std::string WrongKey() const { return m_dir / "wrong_key"; }
    // An empty known_hosts of the test's own (never the user's).
    std::string KnownHostsFile() const { return m_dir / "known_hosts"; }
    // Lines that make the server's key known, or known as another key.
    std::string KnownHostsLine(const std::string& device) const;
    std::string ChangedKnownHostsLine(const std::string& device) const;
    // A loopback port nobody listens on.
    static int UnusedPort();
    const std::string& Folder() const { return m_dir.Path(); }

private:
    TempDir m_dir;
    std::map<std::string, int> m_ports;
    int m_maxStartups = 200;
    // sshd listens on 16 sockets at most: one server per group of devices.
    std::vector<int> m_pids;
    std::vector<std::unique_ptr<PasswordLoginServer>> m_passwordServers;
};

} // namespace twtest

#pragma once
// An SSH server of the tests' own (libssh's server side) on one loopback port
// that takes one user name and password and no key: OpenSSH checks
// passwords only against the machine's accounts, which tests must not touch.
// A login's shell is a command (the device emulator) on a pseudo-terminal.
// One login at a time.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

struct ssh_bind_struct;
struct ssh_session_struct;
struct ssh_channel_struct;

namespace twtest {

class PasswordLoginServer {
public:
    PasswordLoginServer() = default;
    ~PasswordLoginServer();
    PasswordLoginServer(const PasswordLoginServer&) = delete;
    PasswordLoginServer& operator=(const PasswordLoginServer&) = delete;

    // Empty when listening, else why not.
    std::string Start(int port, const std::string& hostKeyFile, const std::string& user, const std::string& password,
                      std::vector<std::string> shell);
    void Stop();

private:
    void Serve();
    void Login(ssh_session_struct* session);
    void RunShell(ssh_channel_struct* channel);

    int m_port = 0;
    std::string m_user, m_password;
    std::vector<std::string> m_shell;
    ssh_bind_struct* m_bind = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
};

} // namespace twtest

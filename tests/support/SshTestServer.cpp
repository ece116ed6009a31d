#include "SshTestServer.h"

#include "PasswordLoginServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <cstdlib>
#include <thread>

namespace twtest {

namespace {
constexpr const char* kSshd = "/usr/sbin/sshd";

bool Run(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

bool Accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}
} // namespace

SshTestServer::SshTestServer() = default;

SshTestServer::~SshTestServer()
{
    Stop();
}

int SshTestServer::UnusedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

std::string SshTestServer::Start(const std::vector<EmulatedDevice>& devices)
{
    if (::access(kSshd, X_OK) != 0)
        return "OpenSSH server not installed (run scripts/install-deps.sh)";
    const std::string dir = m_dir.Path();
    for (const char* key : {"host_key", "client_key", "wrong_key"})
        if (!Run("ssh-keygen -q -t ed25519 -N '' -C tw-test -f '" + dir + key + "'"))
            return "ssh-keygen could not make the test keys";
    m_dir.WriteFile("authorized_keys", m_dir.ReadFile("client_key.pub"));
    m_dir.WriteFile("known_hosts", "");
    // sshd running as root insists on its privilege separation folder.
    if (::geteuid() == 0)
        ::mkdir("/run/sshd", 0755);

    std::string map;
    const std::string common = "HostKey " + dir + "host_key\nAuthorizedKeysFile " + dir +
                               "authorized_keys\nPidFile none\nUsePAM no\nStrictModes no\nUseDNS no\n"
                               "PasswordAuthentication no\nKbdInteractiveAuthentication no\nLogLevel INFO\n"
                               "MaxStartups " + std::to_string(m_maxStartups) +
                               "\nPermitRootLogin prohibit-password\n"
                               // sshd runs the forced command through the user's shell, and bash
                               // reads ~/.bashrc when started by sshd at shell level 1. Whatever the
                               // account's .bashrc runs (version managers that take a lock, prompts
                               // that wait) would delay the device's prompt; at level 2 it is not read.
                               "SetEnv SHLVL=1\n";
    // Copied to a folder without blanks: sshd splits its forced command at them.
    const std::string samples = std::string(TW_SAMPLES_DIR) + "/sample-project/";
    std::error_code error;
    std::filesystem::copy(samples + "Config", dir + "config", error);
    std::filesystem::copy_file(samples + "Captured logs/core-r1 session.log", dir + "router.log", error);
    std::filesystem::copy_file(samples + "Captured logs/distribution and nexus session.log", dir + "switches.log",
                               error);
    const std::vector<std::string> emulator{TW_DEVICE_EMULATOR, "--map", dir + "devices.map", "--config",
                                            dir + "config", "--log", dir + "router.log", "--log",
                                            dir + "switches.log"};
    std::string forced = "ForceCommand";
    for (const std::string& argument : emulator)
        forced += " " + argument;
    std::vector<std::string> configs;
    std::size_t onSshd = 0;
    for (const EmulatedDevice& device : devices) {
        const int port = UnusedPort();
        m_ports[device.name] = port;
        if (!device.password.empty()) {
            m_passwordServers.push_back(std::make_unique<PasswordLoginServer>());
            const std::string reason =
                m_passwordServers.back()->Start(port, dir + "host_key", device.user, device.password, emulator);
            if (!reason.empty())
                return reason;
        } else {
            if (onSshd++ % 15 == 0)
                configs.push_back(common + forced + "\n");
            configs.back() += "ListenAddress 127.0.0.1:" + std::to_string(port) + "\n";
        }
        map += std::to_string(port) + " " + device.name + " " + device.platform + " " + device.modes + " " +
               (device.source.empty() ? device.name : device.source) + "\n";
    }
    m_dir.WriteFile("devices.map", map);

    for (std::size_t n = 0; n < configs.size(); ++n) {
        const std::string name = "sshd_config" + std::to_string(n);
        m_dir.WriteFile(name, configs[n]);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const std::string log = dir + "sshd.log";
            if (!std::freopen(log.c_str(), "a", stderr))
                ::_exit(127);
            const std::string configPath = dir + name;
            // -E: sshd's own messages go to the log file; with -e a session's
            // child would write them into the device's output.
            ::execl(kSshd, kSshd, "-D", "-E", log.c_str(), "-f", configPath.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (pid < 0)
            return "cannot start sshd";
        m_pids.push_back(pid);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (const auto& [name, port] : m_ports) {
        while (!Accepts(port)) {
            for (int& pid : m_pids) {
                int status = 0;
                if (pid > 0 && ::waitpid(pid, &status, WNOHANG) == pid) {
                    pid = -1;
                    return "sshd did not start: " + FirstLine(m_dir.ReadFile("sshd.log"));
                }
            }
            if (std::chrono::steady_clock::now() > deadline)
                return "sshd did not listen on port " + std::to_string(port) + " of " + name;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return {};
}

void SshTestServer::Stop()
{
    m_passwordServers.clear();
    for (const int pid : m_pids) {
        if (pid <= 0)
            continue;
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    m_pids.clear();
}

int SshTestServer::Port(const std::string& device) const
{
    const auto found = m_ports.find(device);
    return found == m_ports.end() ? 0 : found->second;
}

std::string SshTestServer::KnownHostsLine(const std::string& device) const
{
    return "[127.0.0.1]:" + std::to_string(Port(device)) + " " + FirstLine(m_dir.ReadFile("host_key.pub")) + "\n";
}

std::string SshTestServer::ChangedKnownHostsLine(const std::string& device) const
{
    return "[127.0.0.1]:" + std::to_string(Port(device)) + " " + FirstLine(m_dir.ReadFile("wrong_key.pub")) + "\n";
}

} // namespace twtest

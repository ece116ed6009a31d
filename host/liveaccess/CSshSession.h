#pragma once
// One SSH connection with an interactive shell on a pseudo-terminal (libssh).
// The server's host key is checked against a known_hosts file: an unknown key
// is accepted only when the caller's callback says so (and is then added), a
// changed key ends the connection before any authentication. Authentication
// tries the SSH agent and the user's keys first, then a password that the
// callback supplies; no password is kept by this class.
#include <functional>
#include <string>
#include <vector>

struct ssh_session_struct;
struct ssh_channel_struct;

struct SshEndpoint {
    std::string host;
    int port = 22;
    std::string user;                       // empty: the local user
    std::string knownHostsFile;             // empty: ~/.ssh/known_hosts
    std::vector<std::string> identityFiles; // tried besides the agent and ~/.ssh keys
    int connectTimeoutSeconds = 10;
};

// Whose login a password is for: the address and port connected to, and the
// user name sent (the local user's when none was set).
struct SshLogin {
    std::string host;
    int port = 22;
    std::string user;
};

struct SshCallbacks {
    // An unknown host key: true accepts it and adds it to known_hosts.
    std::function<bool(const std::string& host, int port, const std::string& fingerprint)> acceptHostKey;
    // A password for the login; false when none is to be tried.
    std::function<bool(const SshLogin& login, std::string& password)> password;
    // The password given for the login was refused: one that was kept is stale.
    std::function<void(const SshLogin& login)> passwordRefused;
};

class CSshSession {
public:
    CSshSession();
    ~CSshSession();
    CSshSession(const CSshSession&) = delete;
    CSshSession& operator=(const CSshSession&) = delete;

    // Connects, checks the host key, authenticates and starts the shell.
    // Empty when done, else the reason for the user.
    std::string Open(const SshEndpoint& endpoint, const SshCallbacks& callbacks);
    // Bytes read into buffer; 0 when none came within timeoutMs; -1 when the
    // connection ended or failed.
    int Read(char* buffer, int size, int timeoutMs);
    bool Write(const std::string& text);
    void Close();
    // The server's key fingerprint as "SHA256:...", once connected.
    const std::string& Fingerprint() const { return m_fingerprint; }
    // Whether the last Open failed because the connection was refused or
    // closed before the SSH greeting: what a device that limits concurrent
    // logins does to one too many, so a later try may get in.
    bool TurnedAway() const { return m_turnedAway; }

private:
    std::string CheckHostKey(const SshEndpoint& endpoint, const SshCallbacks& callbacks);
    std::string Authenticate(const SshEndpoint& endpoint, const SshCallbacks& callbacks);
    std::string StartShell();
    std::string Where(const SshEndpoint& endpoint) const;

    ssh_session_struct* m_session = nullptr;
    ssh_channel_struct* m_channel = nullptr;
    std::string m_fingerprint;
    bool m_turnedAway = false;
};

#include "host/liveaccess/CSshSession.h"

#include <libssh/libssh.h>

#include <mutex>

namespace {
void InitOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { ssh_init(); });
}

// How libssh words a connection refused, reset or closed before the
// greeting; a timeout is not among them (a second try would wait as long).
bool IsTurnedAway(const std::string& reason)
{
    for (const char* word : {"refused", "reset by peer", "disconnected", "closed"})
        if (reason.find(word) != std::string::npos)
            return true;
    return false;
}

// The password is wiped from memory as soon as it has been sent.
void Wipe(std::string& secret)
{
    volatile char* p = secret.data();
    for (std::size_t i = 0; i < secret.size(); ++i)
        p[i] = 0;
    secret.clear();
}
} // namespace

CSshSession::CSshSession()
{
    InitOnce();
}

CSshSession::~CSshSession()
{
    Close();
}

std::string CSshSession::Where(const SshEndpoint& endpoint) const
{
    return endpoint.host + " port " + std::to_string(endpoint.port);
}

std::string CSshSession::Open(const SshEndpoint& endpoint, const SshCallbacks& callbacks)
{
    Close();
    m_turnedAway = false;
    m_session = ssh_new();
    if (!m_session)
        return "Cannot start an SSH session (out of memory).";
    const int port = endpoint.port;
    const long timeout = endpoint.connectTimeoutSeconds;
    const int noConfig = 0;
    ssh_options_set(m_session, SSH_OPTIONS_HOST, endpoint.host.c_str());
    ssh_options_set(m_session, SSH_OPTIONS_PORT, &port);
    ssh_options_set(m_session, SSH_OPTIONS_TIMEOUT, &timeout);
    // The user's ~/.ssh/config would change where and how we connect behind
    // the settings the user sees in the workstation.
    ssh_options_set(m_session, SSH_OPTIONS_PROCESS_CONFIG, &noConfig);
    if (!endpoint.user.empty())
        ssh_options_set(m_session, SSH_OPTIONS_USER, endpoint.user.c_str());
    if (!endpoint.knownHostsFile.empty())
        ssh_options_set(m_session, SSH_OPTIONS_KNOWNHOSTS, endpoint.knownHostsFile.c_str());
    for (const std::string& identity : endpoint.identityFiles)
        ssh_options_set(m_session, SSH_OPTIONS_ADD_IDENTITY, identity.c_str());

    if (ssh_connect(m_session) != SSH_OK) {
        const std::string reason = ssh_get_error(m_session);
        m_turnedAway = IsTurnedAway(reason);
        Close();
        return "Cannot connect to " + Where(endpoint) + ": " + reason;
    }
    std::string error = CheckHostKey(endpoint, callbacks);
    if (error.empty())
        error = Authenticate(endpoint, callbacks);
    if (error.empty())
        error = StartShell();
    if (!error.empty())
        Close();
    return error;
}

std::string CSshSession::CheckHostKey(const SshEndpoint& endpoint, const SshCallbacks& callbacks)
{
    ssh_key key = nullptr;
    if (ssh_get_server_publickey(m_session, &key) != SSH_OK)
        return "The SSH server at " + Where(endpoint) + " sent no host key.";
    unsigned char* hash = nullptr;
    size_t length = 0;
    if (ssh_get_publickey_hash(key, SSH_PUBLICKEY_HASH_SHA256, &hash, &length) == 0) {
        if (char* text = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, hash, length)) {
            m_fingerprint = text;
            ssh_string_free_char(text);
        }
        ssh_clean_pubkey_hash(&hash);
    }
    ssh_key_free(key);

    switch (ssh_session_is_known_server(m_session)) {
    case SSH_KNOWN_HOSTS_OK:
        return {};
    case SSH_KNOWN_HOSTS_CHANGED:
    case SSH_KNOWN_HOSTS_OTHER:
        return "The host key of " + Where(endpoint) + " has changed (it is now " + m_fingerprint +
               "). Someone may be intercepting the connection, so it was refused. If the device's key was "
               "replaced on purpose, remove its old entry from known_hosts.";
    case SSH_KNOWN_HOSTS_UNKNOWN:
    case SSH_KNOWN_HOSTS_NOT_FOUND:
        if (!callbacks.acceptHostKey || !callbacks.acceptHostKey(endpoint.host, endpoint.port, m_fingerprint))
            return "The host key of " + Where(endpoint) + " (" + m_fingerprint +
                   ") is not known and was not accepted; the connection was refused.";
        if (ssh_session_update_known_hosts(m_session) != SSH_OK)
            return "The host key of " + Where(endpoint) + " could not be added to known_hosts: " +
                   ssh_get_error(m_session);
        return {};
    default:
        return "The host key of " + Where(endpoint) + " could not be checked: " + ssh_get_error(m_session);
    }
}

std::string CSshSession::Authenticate(const SshEndpoint& endpoint, const SshCallbacks& callbacks)
{
    int result = ssh_userauth_none(m_session, nullptr);
    if (result == SSH_AUTH_SUCCESS)
        return {};
    const int methods = ssh_userauth_list(m_session, nullptr);
    if (methods & SSH_AUTH_METHOD_PUBLICKEY) {
        result = ssh_userauth_publickey_auto(m_session, nullptr, nullptr);
        if (result == SSH_AUTH_SUCCESS)
            return {};
        if (result == SSH_AUTH_ERROR)
            return "SSH authentication at " + Where(endpoint) + " failed: " + ssh_get_error(m_session);
    }
    SshLogin login{endpoint.host, endpoint.port, endpoint.user};
    if (login.user.empty()) {
        char* localUser = nullptr;
        if (ssh_options_get(m_session, SSH_OPTIONS_USER, &localUser) == SSH_OK && localUser) {
            login.user = localUser;
            ssh_string_free_char(localUser);
        }
    }
    if ((methods & SSH_AUTH_METHOD_PASSWORD) && callbacks.password) {
        std::string password;
        if (callbacks.password(login, password)) {
            result = ssh_userauth_password(m_session, nullptr, password.c_str());
            Wipe(password);
            if (result == SSH_AUTH_SUCCESS)
                return {};
            if (callbacks.passwordRefused)
                callbacks.passwordRefused(login);
            return "The password of " + login.user + " was refused by " + Where(endpoint) + ".";
        }
    }
    return "No SSH key of the agent or of ~/.ssh was accepted for " + login.user + " at " + Where(endpoint) +
           ", and no password was given.";
}

std::string CSshSession::StartShell()
{
    m_channel = ssh_channel_new(m_session);
    if (!m_channel || ssh_channel_open_session(m_channel) != SSH_OK ||
        ssh_channel_request_pty_size(m_channel, "vt100", 200, 24) != SSH_OK ||
        ssh_channel_request_shell(m_channel) != SSH_OK)
        return std::string("The device did not open a CLI session: ") + ssh_get_error(m_session);
    return {};
}

int CSshSession::Read(char* buffer, int size, int timeoutMs)
{
    if (!m_channel)
        return -1;
    const int read = ssh_channel_read_timeout(m_channel, buffer, static_cast<uint32_t>(size), 0, timeoutMs);
    if (read > 0)
        return read;
    if (read == SSH_ERROR || ssh_channel_is_eof(m_channel) || ssh_channel_is_closed(m_channel))
        return -1;
    return 0;
}

bool CSshSession::Write(const std::string& text)
{
    return m_channel && ssh_channel_write(m_channel, text.data(), static_cast<uint32_t>(text.size())) ==
                            static_cast<int>(text.size());
}

void CSshSession::Close()
{
    if (m_channel) {
        ssh_channel_close(m_channel);
        ssh_channel_free(m_channel);
        m_channel = nullptr;
    }
    if (m_session) {
        ssh_disconnect(m_session);
        ssh_free(m_session);
        m_session = nullptr;
    }
}

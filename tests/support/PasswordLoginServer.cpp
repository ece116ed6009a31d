#include "PasswordLoginServer.h"

#include <libssh/libssh.h>
#include <libssh/server.h>

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace twtest {

PasswordLoginServer::~PasswordLoginServer()
{
    Stop();
}

std::string PasswordLoginServer::Start(int port, const std::string& hostKeyFile, const std::string& user,
                                       const std::string& password, std::vector<std::string> shell)
{
    m_port = port;
    m_user = user;
    m_password = password;
    m_shell = std::move(shell);
    ssh_init();
    m_bind = ssh_bind_new();
    ssh_bind_options_set(m_bind, SSH_BIND_OPTIONS_BINDADDR, "127.0.0.1");
    ssh_bind_options_set(m_bind, SSH_BIND_OPTIONS_BINDPORT, &m_port);
    ssh_bind_options_set(m_bind, SSH_BIND_OPTIONS_HOSTKEY, hostKeyFile.c_str());
    if (ssh_bind_listen(m_bind) != SSH_OK) {
        const std::string reason = ssh_get_error(m_bind);
        ssh_bind_free(m_bind);
        m_bind = nullptr;
        return "the password login server did not listen: " + reason;
    }
    m_stop = false;
    m_thread = std::thread([this] { Serve(); });
    return {};
}

void PasswordLoginServer::Stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_bind) {
        ssh_bind_free(m_bind);
        m_bind = nullptr;
    }
}

void PasswordLoginServer::Serve()
{
    while (!m_stop) {
        pollfd listening{ssh_bind_get_fd(m_bind), POLLIN, 0};
        if (::poll(&listening, 1, 100) <= 0)
            continue;
        ssh_session session = ssh_new();
        if (ssh_bind_accept(m_bind, session) == SSH_OK && ssh_handle_key_exchange(session) == SSH_OK)
            Login(session);
        ssh_disconnect(session);
        ssh_free(session);
    }
}

void PasswordLoginServer::Login(ssh_session session)
{
    ssh_set_auth_methods(session, SSH_AUTH_METHOD_PASSWORD);
    bool loggedIn = false;
    ssh_channel channel = nullptr;
    bool shell = false;
    while (!shell && !m_stop) {
        ssh_message message = ssh_message_get(session);
        if (!message)
            break;
        const int type = ssh_message_type(message);
        const int subtype = ssh_message_subtype(message);
        // The message API is deprecated in favour of server callbacks, which need an event loop this
        // one-login server has no use for.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        const bool passwordMatches = type == SSH_REQUEST_AUTH && subtype == SSH_AUTH_METHOD_PASSWORD &&
                                     m_password == ssh_message_auth_password(message);
#pragma GCC diagnostic pop
        if (passwordMatches && !loggedIn && m_user == ssh_message_auth_user(message)) {
            ssh_message_auth_reply_success(message, 0);
            loggedIn = true;
        } else if (type == SSH_REQUEST_AUTH) {
            ssh_message_auth_set_methods(message, SSH_AUTH_METHOD_PASSWORD);
            ssh_message_reply_default(message);
        } else if (loggedIn && !channel && type == SSH_REQUEST_CHANNEL_OPEN && subtype == SSH_CHANNEL_SESSION) {
            channel = ssh_message_channel_request_open_reply_accept(message);
        } else if (channel && type == SSH_REQUEST_CHANNEL &&
                   (subtype == SSH_CHANNEL_REQUEST_PTY || subtype == SSH_CHANNEL_REQUEST_SHELL)) {
            ssh_message_channel_request_reply_success(message);
            shell = subtype == SSH_CHANNEL_REQUEST_SHELL;
        } else {
            ssh_message_reply_default(message);
        }
        ssh_message_free(message);
    }
    if (shell)
        RunShell(channel);
    if (channel) {
        ssh_channel_send_eof(channel);
        ssh_channel_close(channel);
        ssh_channel_free(channel);
    }
}

// Bytes go both ways between the channel and the shell's terminal until
// either side ends.
void PasswordLoginServer::RunShell(ssh_channel channel)
{
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child < 0)
        return;
    if (child == 0) {
        // The emulator finds which device it is from the port, as under sshd.
        const std::string connection = "127.0.0.1 0 127.0.0.1 " + std::to_string(m_port);
        ::setenv("SSH_CONNECTION", connection.c_str(), 1);
        std::vector<char*> argv;
        for (std::string& argument : m_shell)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    char buffer[4096];
    while (!m_stop) {
        pollfd output{terminal, POLLIN, 0};
        if (::poll(&output, 1, 10) > 0) {
            const ssize_t n = ::read(terminal, buffer, sizeof buffer);
            if (n <= 0 || ssh_channel_write(channel, buffer, static_cast<uint32_t>(n)) != n)
                break;
        }
        const int n = ssh_channel_read_nonblocking(channel, buffer, sizeof buffer, 0);
        if (n > 0 && ::write(terminal, buffer, static_cast<std::size_t>(n)) != n)
            break;
        if (n == SSH_ERROR || ssh_channel_is_eof(channel) || ssh_channel_is_closed(channel))
            break;
    }
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
}

} // namespace twtest

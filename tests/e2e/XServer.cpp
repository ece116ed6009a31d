#include "e2e/XServer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace twtest {

namespace {

std::string g_skipReason;
constexpr int kStartTimeoutMs = 20000;

// The first folder of PATH that holds an executable Xvfb; empty when none does.
std::string FindXvfb()
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = folders.find(':', start);
        const std::string folder = folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/Xvfb";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return {};
}

} // namespace

const std::string& EndToEndSkipReason() { return g_skipReason; }
void SetEndToEndSkipReason(std::string reason) { g_skipReason = std::move(reason); }

bool XServer::Start()
{
    const std::string program = FindXvfb();
    if (program.empty()) {
        m_error = "no X server: Xvfb is not installed (Debian package xvfb, see scripts/install-deps.sh)";
        return false;
    }
    int ready[2];
    if (::pipe(ready) != 0) {
        m_error = std::string("cannot start Xvfb: ") + std::strerror(errno);
        return false;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(ready[0]);
        // -displayfd: Xvfb picks a free display and writes its number once it accepts clients.
        const std::string fd = std::to_string(ready[1]);
        ::execl(program.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
                "tcp", "-noreset", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    if (m_pid < 0) {
        ::close(ready[0]);
        m_error = std::string("cannot start Xvfb: ") + std::strerror(errno);
        return false;
    }
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos && ::poll(&wait, 1, kStartTimeoutMs) > 0) {
        char buffer[16];
        const ssize_t got = ::read(ready[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        number.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(ready[0]);
    if (number.find('\n') == std::string::npos) {
        m_error = "Xvfb did not start within " + std::to_string(kStartTimeoutMs / 1000) + " s";
        return false;
    }
    m_display = ":" + number.substr(0, number.find('\n'));
    return true;
}

XServer::~XServer()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
}

} // namespace twtest

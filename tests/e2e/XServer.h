#pragma once
// A private X server (Xvfb) for the end-to-end tests: the workstation then
// runs on the xcb platform with a real window system, real focus and real
// input events, as on a desktop. Where none can be started, the reason says why.
#include <string>
#include <sys/types.h>

namespace twtest {

class XServer {
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Starts Xvfb on a free display and waits until it accepts clients;
    // false, with Error() set, when it cannot.
    bool Start();
    // ":N" once started.
    const std::string& Display() const { return m_display; }
    const std::string& Error() const { return m_error; }

private:
    pid_t m_pid = -1;
    std::string m_display;
    std::string m_error;
};

// Why the end-to-end tests cannot run here; empty when they can.
const std::string& EndToEndSkipReason();
void SetEndToEndSkipReason(std::string reason);

} // namespace twtest

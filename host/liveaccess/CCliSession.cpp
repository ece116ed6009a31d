#include "host/liveaccess/CCliSession.h"

#include "host/liveaccess/CDiscoverSetting.h"
#include "host/liveaccess/CSshSession.h"

#include <algorithm>
#include <chrono>

namespace {
constexpr const char* kMore = "--More--";
// Reads wait this long at most, so cancel is noticed quickly.
constexpr int kReadSliceMs = 100;

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A pager's prompt at the end of the text, trailing blanks included; npos when none.
std::size_t MoreAtEnd(const std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    const std::string body = text.substr(0, end);
    if (!EndsWith(body, kMore))
        return std::string::npos;
    std::size_t start = end - std::char_traits<char>::length(kMore);
    while (start > 0 && text[start - 1] == ' ')
        --start;
    return start;
}

// What a terminal shows of a line that CRs overprint: the text after the
// last CR (a pager's prompt wiped with blanks leaves only those).
std::string Visible(std::string line)
{
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    const std::size_t cr = line.rfind('\r');
    if (cr == std::string::npos)
        return line;
    std::string shown = line.substr(cr + 1);
    const std::string before = line.substr(0, cr);
    // Blanks that wiped a pager prompt cover nothing of the real line.
    if (shown.find_first_not_of(' ') == std::string::npos)
        return before.find_first_not_of(' ') == std::string::npos ? std::string() : Visible(before);
    std::size_t start = 0;
    while (start < shown.size() && shown[start] == ' ')
        ++start;
    return shown.substr(start);
}

std::string CleanLines(const std::string& text)
{
    std::string clean;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        clean += Visible(text.substr(start, end - start));
        clean += '\n';
        start = end + 1;
    }
    return clean;
}
} // namespace

CCliSession::CCliSession(CSshSession& ssh, CliPlatform platform, CliTimeouts timeouts,
                         const std::atomic<bool>* cancel)
    : m_ssh(ssh)
    , m_platform(platform)
    , m_timeouts(timeouts)
    , m_cancel(cancel)
{
}

CCliSession::Wait CCliSession::ReadToPrompt(int idleMs, std::string& text)
{
    using Clock = std::chrono::steady_clock;
    auto lastData = Clock::now();
    char buffer[16384];
    for (;;) {
        if (m_cancel && m_cancel->load())
            return Wait::Cancelled;
        const int read = m_ssh.Read(buffer, sizeof buffer, kReadSliceMs);
        if (read < 0) {
            m_dead = true;
            return Wait::Closed;
        }
        if (read == 0) {
            if (Clock::now() - lastData > std::chrono::milliseconds(idleMs))
                return Wait::Timeout;
            continue;
        }
        lastData = Clock::now();
        m_terminal.Append(std::string_view(buffer, static_cast<std::size_t>(read)));
        const std::string& seen = m_terminal.Text();
        const std::size_t more = MoreAtEnd(seen);
        if (more != std::string::npos) {
            text += seen.substr(0, more);
            m_terminal.Consume(seen.size());
            if (!m_ssh.Write(" ")) {
                m_dead = true;
                return Wait::Closed;
            }
            continue;
        }
        CPromptMatcher::Prompt prompt;
        if (CPromptMatcher::MatchTail(seen, prompt) &&
            (m_prompt.hostName.empty() || prompt.hostName == m_prompt.hostName)) {
            const std::size_t lineStart = seen.find_last_of("\r\n");
            text += lineStart == std::string::npos ? std::string() : seen.substr(0, lineStart + 1);
            m_terminal.Consume(seen.size());
            m_prompt = prompt;
            return Wait::Prompt;
        }
        if (EndsWith(seen, "Password: ") || EndsWith(seen, "Password:")) {
            m_terminal.Consume(seen.size());
            return Wait::PasswordAsked;
        }
        // Whole lines move on, so the tail that is searched stays short.
        const std::size_t lastLine = seen.rfind('\n');
        if (lastLine != std::string::npos) {
            text += seen.substr(0, lastLine + 1);
            m_terminal.Consume(lastLine + 1);
        }
    }
}

bool CCliSession::Send(const std::string& line)
{
    return m_ssh.Write(line + "\n");
}

std::string CCliSession::WaitError(Wait wait, const std::string& what) const
{
    switch (wait) {
    case Wait::Timeout:
        return "The device stopped answering " + what + " (no prompt for " +
               std::to_string((what.rfind("after login", 0) == 0 ? m_timeouts.promptMs : m_timeouts.idleMs) / 1000) +
               " seconds).";
    case Wait::Closed: return "The device closed the connection " + what + ".";
    case Wait::Cancelled: return "Cancelled.";
    case Wait::PasswordAsked: return "The device asked for a password " + what + ".";
    case Wait::Prompt: break;
    }
    return {};
}

std::string CCliSession::Start()
{
    std::string banner;
    // Some devices show their prompt only once Enter is pressed: after a
    // quiet moment, one is sent.
    const int nudgeMs = std::min(3000, m_timeouts.promptMs / 2);
    Wait wait = ReadToPrompt(nudgeMs, banner);
    if (wait == Wait::Timeout && Send(""))
        wait = ReadToPrompt(m_timeouts.promptMs - nudgeMs, banner);
    if (wait != Wait::Prompt)
        return WaitError(wait, "after login");
    if (!m_prompt.privileged) {
        if (!Send("enable"))
            return WaitError(Wait::Closed, "when asked to enable");
        std::string ignored;
        wait = ReadToPrompt(m_timeouts.idleMs, ignored);
        // An enable password we do not have: stay in user mode, where show
        // commands still answer.
        if (wait == Wait::PasswordAsked) {
            Send("");
            wait = ReadToPrompt(m_timeouts.idleMs, ignored);
        }
        if (wait != Wait::Prompt)
            return WaitError(wait, "when asked to enable");
    }
    std::string ignored;
    if (!Send(CCliPlatform::PagingOffCommand(m_platform)))
        return WaitError(Wait::Closed, "when asked to stop paging");
    wait = ReadToPrompt(m_timeouts.idleMs, ignored);
    return wait == Wait::Prompt ? std::string() : WaitError(wait, "when asked to stop paging");
}

CCliSession::Output CCliSession::Run(const std::string& command)
{
    Output output;
    if (m_dead) {
        output.error = "The connection was lost before \"" + command + "\".";
        return output;
    }
    const std::string prompt = m_prompt.text;
    if (!Send(command)) {
        output.error = WaitError(Wait::Closed, "before \"" + command + "\"");
        return output;
    }
    std::string text;
    const Wait wait = ReadToPrompt(m_timeouts.idleMs, text);
    if (wait != Wait::Prompt) {
        output.error = WaitError(wait, "in the middle of \"" + command + "\"");
        return output;
    }
    // The device echoes the command: the prompt before it makes the line a
    // captured log's command line.
    output.text = CleanLines(prompt + text);
    if (!CDiscoverSetting::Instance().IsCommandResult(CCliPlatform::ToDeviceSubType(m_platform), output.text)) {
        std::string reason;
        const std::size_t second = output.text.find('\n');
        if (second != std::string::npos) {
            const std::size_t errorLine = output.text.find('%', second);
            if (errorLine != std::string::npos)
                reason = output.text.substr(errorLine, output.text.find('\n', errorLine) - errorLine);
        }
        output.error = reason.empty() ? "The device printed nothing for \"" + command + "\"."
                                      : "The device rejected \"" + command + "\": " + reason;
        return output;
    }
    output.ok = true;
    return output;
}

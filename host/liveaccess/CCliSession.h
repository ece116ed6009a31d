#pragma once
// The CLI dialogue over an SSH shell: waits for the device's prompt, enters
// enable mode, switches paging off, answers "--More--" when paging is on
// anyway, and returns each command's output as a captured log holds it: the
// prompt and the command on the first line, then the device's lines.
#include "host/liveaccess/CCliPlatform.h"
#include "host/liveaccess/CPromptMatcher.h"
#include "host/liveaccess/CTerminalText.h"

#include <atomic>
#include <string>

class CSshSession;

struct CliTimeouts {
    int promptMs = 20000;   // for the first prompt after login
    int idleMs = 20000;     // for a command whose output stops coming
};

class CCliSession {
public:
    struct Output {
        bool ok = false;
        std::string text;    // LF separated, the command line first
        std::string error;   // why not ok, for the user
    };

    CCliSession(CSshSession& ssh, CliPlatform platform, CliTimeouts timeouts = {},
                const std::atomic<bool>* cancel = nullptr);

    // Empty when the device showed its prompt and paging is off, else why not.
    std::string Start();
    // Runs one command; not ok when the device rejects it, stops answering,
    // drops the connection or the run is cancelled.
    Output Run(const std::string& command);
    const CPromptMatcher::Prompt& GetPrompt() const { return m_prompt; }

private:
    enum class Wait { Prompt, Timeout, Closed, Cancelled, PasswordAsked };
    // Reads until the device's prompt ends the text; idle: longest silence.
    Wait ReadToPrompt(int idleMs, std::string& text);
    bool Send(const std::string& line);
    std::string WaitError(Wait wait, const std::string& what) const;

    CSshSession& m_ssh;
    CliPlatform m_platform;
    CliTimeouts m_timeouts;
    const std::atomic<bool>* m_cancel;
    CTerminalText m_terminal;
    CPromptMatcher::Prompt m_prompt;
    bool m_dead = false;
};

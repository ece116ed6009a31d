#pragma once
// Recognises a device's CLI prompt at the end of what it has printed: a host
// name followed by '#' (privileged) or '>' (user mode), optionally a mode in
// parentheses ("(config)") and, on CatOS, "> (enable)". The forms are the
// ones the session-log splitter reads back.
#include <string>

class CPromptMatcher {
public:
    struct Prompt {
        std::string text;       // the prompt as printed, trailing blank included
        std::string hostName;
        bool privileged = false;
    };
    // Whether the last line of text (the part after the last LF, or after a
    // lone CR that overprints it) is a prompt.
    static bool MatchTail(const std::string& text, Prompt& prompt);
    // Whether line as a whole is a prompt.
    static bool MatchLine(const std::string& line, Prompt& prompt);
};

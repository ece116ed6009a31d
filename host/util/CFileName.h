#pragma once
// Names of show-command result files: "<device>$<command>$<time>.<ext>".
// Each field is percent-encoded (%XX) for the characters a Windows file name
// cannot hold, control characters, '$' and '%', so any device or command text
// comes back unchanged and no name can point outside its folder. The time
// text ("2024-05-01 13-45-07.123", local time) sorts chronologically as a
// plain string.
#include <chrono>
#include <string>

class CFileName {
public:
    // An empty time stands for "now": the name carries the time of the call,
    // moved forward past the last "now" handed out in this process, so two
    // results of one command taken in the same millisecond get two names.
    static std::string ToShowCommandResultFileName(const std::string& device, const std::string& command,
                                                   const std::string& time, const std::string& extension);

    // The same name (or path) with its time one millisecond later, for a new
    // result whose name another result already holds; names made "now" later
    // in this process come after it. Empty when the name carries no time of
    // the form above.
    static std::string LaterShowCommandResultFileName(const std::string& name);

    // Accepts a bare name or a full path. The device is the text before the
    // first '$', the time the text after the last one (extension dropped),
    // the command what lies between. False when the name holds fewer than two
    // '$' (a file that was not named as a result); the fields are then filled
    // as far as the name allows.
    static bool FromShowCommandResultFileName(const std::string& name, std::string& device,
                                              std::string& command, std::string& time);

    // Prefix of every result name of the device ("<device>$").
    static std::string ToShowCommandFilter(const std::string& device);
    // Prefix of every result name of the command on the device ("<device>$<command>$").
    static std::string ToShowCommandResultFilter(const std::string& device, const std::string& command);

    // One field in its file-name form. Besides the characters above, a
    // trailing run of '.' and ' ' is encoded (Windows would strip it), so the
    // result is never "." or "..". flags is kept for the host's signature.
    static std::string ToSysFileName(const std::string& text, int flags = 0);
    // Decodes every %XX; a '%' not followed by two hex digits stays as it is.
    static std::string FromSysFileName(const std::string& text);

    // The time text of an instant, in the form names carry.
    static std::string ToShowCommandTime(std::chrono::system_clock::time_point when);
    // True for a time text of that form only ("2026-12-06 18-33-45.760").
    static bool IsShowCommandTime(const std::string& text);
};

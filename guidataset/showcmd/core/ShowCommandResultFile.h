#pragma once
// One show-command result on disk: the command's output, then, only when the
// user wrote a note, the note separator and the note up to the end of the file.
#include <string>
#include <string_view>

// CR LF CR LF, "-- 0x#0x$0xa0xb0x$0x# --", CR LF CR LF: 32 bytes.
inline constexpr std::string_view kShowCommandNoteSeparator = "\r\n\r\n-- 0x#0x$0xa0xb0x$0x# --\r\n\r\n";

// Appends the whole file to text with every line end made CR LF (a run of CRs
// collapses to its last one; a lone CR or LF gains its partner; a CR as the
// very first byte is kept as it is). False, text untouched, when the file
// cannot be read or is empty.
bool ReadShowCommandResult(const std::string& path, std::string& text);

// The same normalisation of bytes already in memory, appended to text.
void NormaliseShowCommandLineEnds(std::string_view bytes, std::string& text);

// Cuts read content at the first note separator; without one the whole
// content is the result text and the note is empty. Later separators belong
// to the note.
void SplitShowCommandResult(std::string_view content, std::string& resultText, std::string& note);

// Replaces the file with the result text and, when the note is not empty, the
// separator and the note. False, and the old file left as it was, when it
// cannot be written (read-only file, missing or read-only folder).
bool WriteShowCommandResult(const std::string& path, const std::string& resultText, const std::string& note);

#pragma once
// What keeps the results browser from writing a result file: a note longer
// than the note edit takes, or a note or result text holding the line that
// the file uses to mark where the note begins (the file would read back cut
// in the wrong place, and the export would turn that line into "NOTE here:").
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kShowCommandNoteMaxChars = 2048;
// The text of the note separator's middle line.
inline constexpr std::string_view kShowCommandNoteMarkerLine = "-- 0x#0x$0xa0xb0x$0x# --";

enum class ResultSaveProblem { None, NoteTooLong, NoteHoldsMarker, TextHoldsMarker };

// Lengths count characters (UTF-8 code points), as the note edit does.
ResultSaveProblem CheckResultBeforeSave(std::string_view resultText, std::string_view note);

// The message that tells the user what to change; empty for None.
std::string ResultSaveProblemMessage(ResultSaveProblem problem);

// Text with every line end (LF, CR or CR LF) made CR LF, as result files keep it.
std::string WithCrLfLineEnds(std::string_view text);
// The same text with LF line ends, as the editors hold it.
std::string WithLfLineEnds(std::string_view text);

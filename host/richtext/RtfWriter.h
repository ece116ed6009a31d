#pragma once
// Writes formatted text as RTF that WordPad, LibreOffice and unrtf read: one
// font family (declared monospace), a colour table for text and highlight
// colours, one group per run, \uN? escapes with a '?' fallback for anything
// beyond ASCII, and CR LF after every paragraph.
#include "host/richtext/RtfRun.h"

#include <string>

namespace richtext {

// The font family written when the text names none.
inline constexpr const char* kDefaultRtfFont = "Courier";

std::string WriteRtf(const RtfText& text);

} // namespace richtext

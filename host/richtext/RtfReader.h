#pragma once
// Reads the RTF of the result editor back into runs, and the common RTF that
// WordPad, Word and LibreOffice write for such text: bold, italic, underline,
// text and highlight colours, font size, \uN and \'xx characters, paragraphs
// and tabs. Everything else (style sheets, document info, pictures, fields'
// instructions, any {\*...} group) is skipped. Input that is not RTF, or RTF
// that is cut short or damaged, is refused with a message saying so.
#include "host/richtext/RtfRun.h"

#include <string>
#include <string_view>

namespace richtext {

struct RtfReadResult {
    bool ok = false;
    std::string error;   // why the text was refused, for the user
    RtfText text;
};

RtfReadResult ReadRtf(std::string_view bytes);

} // namespace richtext

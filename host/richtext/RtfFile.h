#pragma once
// RTF files on disk: read whole and checked, written whole through a
// temporary beside the file so that a failed write leaves the old file as it was.
#include "host/richtext/RtfReader.h"

#include <string>

namespace richtext {

// The text of the RTF file at path; ok is false, with a message naming the
// file's problem, when it cannot be read, is empty, is not RTF or is damaged.
RtfReadResult LoadRtfFile(const std::string& path);

// Replaces the file at path with text as RTF; false, with error set, when it
// cannot be written (the old file then stays).
bool SaveRtfFile(const std::string& path, const RtfText& text, std::string& error);

} // namespace richtext

#pragma once
// The UTF-8 steps the RTF writer and reader need: code points out of run text
// and back in.
#include <cstdint>
#include <string>
#include <string_view>

namespace richtext {

// The code point at pos, advancing pos past it; a malformed sequence yields
// U+FFFD and advances by one byte, so any bytes can be walked.
std::uint32_t DecodeUtf8(std::string_view text, std::size_t& pos);

// Appends cp as UTF-8; surrogates and values beyond U+10FFFF become U+FFFD.
void AppendUtf8(std::string& out, std::uint32_t cp);

} // namespace richtext

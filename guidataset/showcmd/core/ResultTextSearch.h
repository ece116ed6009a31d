#pragma once
// Forward search in the result text for the results browser's Find: ignores
// case, not whole words only. Works on the editor's own UTF-16 text so that a
// match's offset is the editor's cursor position; a skip table keeps a search
// over a large result proportional to its length divided by the keyword's.
#include <cstddef>
#include <string_view>

// Offset of the first match at or after from, or -1 when there is none (or
// the keyword is empty).
std::ptrdiff_t FindTextIgnoringCase(std::u16string_view text, std::u16string_view keyword, std::size_t from);
